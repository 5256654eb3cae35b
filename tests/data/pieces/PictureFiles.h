#pragma once
// Loading the generated pictures and looking at their pixels.
#include <QImage>
#include <QString>

namespace piecestest {

QImage loadProgramPicture(const char *name);  // from the program's folder, as RGB32
QImage loadGlyph(const char *name);           // from the glyph folder, as ARGB32
int bitmapBitsPerPixel(const char *name);     // from the file header; 0 if unreadable

double luma(QRgb p);
double meanLuma(const QImage &img, int x, int y, int w, int h);
bool isBlack(QRgb p);

struct Lab {
    double l, a, b;
};
Lab toLab(double r, double g, double b);
double deltaE(const Lab &x, const Lab &y);

}  // namespace piecestest
