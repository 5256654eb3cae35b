// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writing pictures in the formats the game reads; each returns false on failure.
#include <QImage>
#include <QString>

namespace kit {

bool saveBmp(const QImage &img, const QString &path);  // 24 bits a pixel, as the game's bitmaps are
bool savePng(const QImage &img, const QString &path);

}  // namespace kit
