// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Colour in doubles, for shading pixel by pixel without rounding on the
// way; rounded to whole channels only when it is written into a picture.
#include <QColor>
#include <QImage>

namespace kit {

struct Rgb {
    double r = 0, g = 0, b = 0;
};

Rgb operator+(Rgb a, Rgb b);
Rgb operator*(Rgb a, double k);
Rgb mix(Rgb a, Rgb b, double t);  // t = 0 gives a, 1 gives b
Rgb rgb(int r, int g, int b);
QRgb toQRgb(Rgb c);

void setPixel(QImage &img, int x, int y, Rgb c);

}  // namespace kit
