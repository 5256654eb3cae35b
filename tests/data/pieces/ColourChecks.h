#pragma once
// The glyphs and the colour measures the piece checks use; the pictures
// themselves are read with support/PictureFiles.h.
#include <QImage>
#include <QString>

#include "support/PictureFiles.h"

namespace piecestest {

QImage loadGlyph(const char *name);  // from the glyph folder, as ARGB32
bool isBlack(QRgb p);

struct Lab {
    double l, a, b;
};
Lab toLab(double r, double g, double b);
double deltaE(const Lab &x, const Lab &y);

}  // namespace piecestest
