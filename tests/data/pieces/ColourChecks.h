// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The glyphs and the colour measures the piece checks use; the pictures
// themselves are read with support/PictureFiles.h.
#include <QImage>
#include <QPoint>
#include <QString>
#include <QVector>

#include "support/PictureFiles.h"

namespace piecestest {

QImage loadGlyph(const char *name);  // from the glyph folder, as ARGB32
bool isBlack(QRgb p);

struct Lab {
    double l, a, b;
};
Lab toLab(double r, double g, double b);  // from 8-bit sRGB channels
double deltaE(const Lab &x, const Lab &y);
// The difference a viewer sees between two colours, CIEDE2000.
double ciede2000(const Lab &x, const Lab &y);

// Colour as light: linear sRGB, 0..1 a channel.
struct Light {
    double r = 0, g = 0, b = 0;
};
Light toLight(QRgb p);
QRgb toQRgb(const Light &c);  // back to 8-bit sRGB, clamped

// The eyes the pictures are made for: normal colour vision and the three
// dichromacies, as simulated by Machado, Oliveira and Fernandes (2009) at
// full severity.
enum class Vision { Normal, Protanopia, Deuteranopia, Tritanopia };
constexpr Vision Visions[] = {Vision::Normal, Vision::Protanopia, Vision::Deuteranopia, Vision::Tritanopia};
const char *visionName(Vision v);
Light seenWith(Vision v, const Light &c);

// The colour an area shows from a little way off, as a viewer with that
// vision sees it: the mean of its pixels' light.
Lab meanSeen(const QImage &pic, const QVector<QPoint> &pixels, Vision v);

}  // namespace piecestest
