#include "ColourChecks.h"

#include <cmath>

namespace piecestest {

QImage loadGlyph(const char *name)
{
    return QImage(QString(GLYPH_DIR) + name).convertToFormat(QImage::Format_ARGB32);
}

bool isBlack(QRgb p) { return (p & 0xFFFFFF) == 0; }

Lab toLab(double r, double g, double b)
{
    auto linear = [](double c) {
        c /= 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const double R = linear(r), G = linear(g), B = linear(b);
    const double X = (0.4124 * R + 0.3576 * G + 0.1805 * B) / 0.95047;
    const double Y = 0.2126 * R + 0.7152 * G + 0.0722 * B;
    const double Z = (0.0193 * R + 0.1192 * G + 0.9505 * B) / 1.08883;
    auto f = [](double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116.0; };
    return {116 * f(Y) - 16, 500 * (f(X) - f(Y)), 200 * (f(Y) - f(Z))};
}

double deltaE(const Lab &x, const Lab &y)
{
    return std::sqrt((x.l - y.l) * (x.l - y.l) + (x.a - y.a) * (x.a - y.a) + (x.b - y.b) * (x.b - y.b));
}

}  // namespace piecestest
