// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The list of everything the art generator paints, by file name.
#include <QImage>
#include <QString>
#include <vector>

namespace art {

struct Picture {
    QString name;
    QImage (*paint)();
    bool alsoTwice = false;  // painted again at 2x as NAME@2x.png
};

std::vector<Picture> scenePictures();  // b*.bmp, into the program's folder
std::vector<Picture> buttonGlyphs();   // *.png, compiled into the game

}  // namespace art
