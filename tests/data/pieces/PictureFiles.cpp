#include "PictureFiles.h"

#include <QFile>
#include <cmath>
#include <cstdint>

namespace piecestest {

QImage loadProgramPicture(const char *name)
{
    return QImage(QString(PROGRAM_DIR) + name).convertToFormat(QImage::Format_RGB32);
}

QImage loadGlyph(const char *name)
{
    return QImage(QString(GLYPH_DIR) + name).convertToFormat(QImage::Format_ARGB32);
}

int bitmapBitsPerPixel(const char *name)
{
    QFile f(QString(PROGRAM_DIR) + name);
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray head = f.read(30);
    if (head.size() < 30 || !head.startsWith("BM"))
        return 0;
    return std::uint8_t(head[28]) | (std::uint8_t(head[29]) << 8);
}

double luma(QRgb p) { return 0.299 * qRed(p) + 0.587 * qGreen(p) + 0.114 * qBlue(p); }

double meanLuma(const QImage &img, int x, int y, int w, int h)
{
    double sum = 0;
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i)
            sum += luma(img.pixel(i, j));
    return sum / (w * h);
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
