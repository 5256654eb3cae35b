#pragma once
// The list of everything the art generator paints, by file name.
#include <QImage>
#include <QString>
#include <vector>

namespace art {

struct Picture {
    QString name;
    QImage (*paint)();
};

std::vector<Picture> scenePictures();  // b*.bmp, into the program's folder
std::vector<Picture> buttonGlyphs();   // *.png, compiled into the game

}  // namespace art
