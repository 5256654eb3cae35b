// SPDX-License-Identifier: GPL-3.0-or-later
#include "Rgb.h"

#include "Blend.h"
#include "Colour.h"

namespace kit {

Rgb operator+(Rgb a, Rgb b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
Rgb operator*(Rgb a, double k) { return {a.r * k, a.g * k, a.b * k}; }
Rgb mix(Rgb a, Rgb b, double t) {
    return {lerpByWeights(a.r, b.r, t), lerpByWeights(a.g, b.g, t), lerpByWeights(a.b, b.b, t)};
}
Rgb rgb(int r, int g, int b) { return {double(r), double(g), double(b)}; }

QRgb toQRgb(Rgb c) { return qRgb(channel(c.r), channel(c.g), channel(c.b)); }

void setPixel(QImage &img, int x, int y, Rgb c) { img.setPixel(x, y, toQRgb(c)); }

}  // namespace kit
