// SPDX-License-Identifier: GPL-3.0-or-later
#include "ColourChecks.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace piecestest {

namespace {

double linear(double c)
{
    c /= 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double encoded(double c)
{
    c = std::clamp(c, 0.0, 1.0);
    return 255.0 * (c <= 0.0031308 ? 12.92 * c : 1.055 * std::pow(c, 1 / 2.4) - 0.055);
}

Lab labOfLight(const Light &c)
{
    const double X = (0.4124 * c.r + 0.3576 * c.g + 0.1805 * c.b) / 0.95047;
    const double Y = 0.2126 * c.r + 0.7152 * c.g + 0.0722 * c.b;
    const double Z = (0.0193 * c.r + 0.1192 * c.g + 0.9505 * c.b) / 1.08883;
    auto f = [](double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116.0; };
    return {116 * f(Y) - 16, 500 * (f(X) - f(Y)), 200 * (f(Y) - f(Z))};
}

using Matrix = std::array<std::array<double, 3>, 3>;

// Machado, Oliveira and Fernandes (2009), severity 1.0, on linear sRGB.
constexpr Matrix Protanopia = {{{0.152286, 1.052583, -0.204868},
                                {0.114503, 0.786281, 0.099216},
                                {-0.003882, -0.048116, 1.051998}}};
constexpr Matrix Deuteranopia = {{{0.367322, 0.860646, -0.227968},
                                  {0.280085, 0.672501, 0.047413},
                                  {-0.011820, 0.042940, 0.968881}}};
constexpr Matrix Tritanopia = {{{1.255528, -0.076749, -0.178779},
                                {-0.078411, 0.930809, 0.147602},
                                {0.004733, 0.691367, 0.303900}}};

double degrees(double radians) { return radians * 180.0 / std::numbers::pi; }
double radians(double degrees) { return degrees * std::numbers::pi / 180.0; }

}  // namespace

QImage loadGlyph(const char *name)
{
    return QImage(QString(GLYPH_DIR) + name).convertToFormat(QImage::Format_ARGB32);
}

bool isBlack(QRgb p) { return (p & 0xFFFFFF) == 0; }

Lab toLab(double r, double g, double b) { return labOfLight({linear(r), linear(g), linear(b)}); }

double deltaE(const Lab &x, const Lab &y)
{
    return std::sqrt((x.l - y.l) * (x.l - y.l) + (x.a - y.a) * (x.a - y.a) + (x.b - y.b) * (x.b - y.b));
}

// Sharma, Wu and Dalal's formulation, hue angles in degrees.
double ciede2000(const Lab &x, const Lab &y)
{
    const double pow25to7 = std::pow(25.0, 7);
    const double cBar = (std::hypot(x.a, x.b) + std::hypot(y.a, y.b)) / 2;
    const double g = 0.5 * (1 - std::sqrt(std::pow(cBar, 7) / (std::pow(cBar, 7) + pow25to7)));
    const double a1 = (1 + g) * x.a, a2 = (1 + g) * y.a;
    const double c1 = std::hypot(a1, x.b), c2 = std::hypot(a2, y.b);
    auto hue = [](double b, double a) {
        const double h = a == 0 && b == 0 ? 0 : degrees(std::atan2(b, a));
        return h < 0 ? h + 360 : h;
    };
    const double h1 = hue(x.b, a1), h2 = hue(y.b, a2);

    const double dL = y.l - x.l, dC = c2 - c1;
    double dh = 0;
    if (c1 * c2 != 0) {
        dh = h2 - h1;
        if (dh > 180)
            dh -= 360;
        else if (dh < -180)
            dh += 360;
    }
    const double dH = 2 * std::sqrt(c1 * c2) * std::sin(radians(dh / 2));

    const double lBar = (x.l + y.l) / 2, cBarPrime = (c1 + c2) / 2;
    double hBar = h1 + h2;
    if (c1 * c2 != 0) {
        if (std::abs(h1 - h2) <= 180)
            hBar = (h1 + h2) / 2;
        else
            hBar = h1 + h2 < 360 ? (h1 + h2 + 360) / 2 : (h1 + h2 - 360) / 2;
    }
    const double t = 1 - 0.17 * std::cos(radians(hBar - 30)) + 0.24 * std::cos(radians(2 * hBar)) +
                     0.32 * std::cos(radians(3 * hBar + 6)) - 0.20 * std::cos(radians(4 * hBar - 63));
    const double dTheta = 30 * std::exp(-std::pow((hBar - 275) / 25, 2));
    const double rC = 2 * std::sqrt(std::pow(cBarPrime, 7) / (std::pow(cBarPrime, 7) + pow25to7));
    const double sL = 1 + 0.015 * (lBar - 50) * (lBar - 50) / std::sqrt(20 + (lBar - 50) * (lBar - 50));
    const double sC = 1 + 0.045 * cBarPrime;
    const double sH = 1 + 0.015 * cBarPrime * t;
    const double rT = -std::sin(radians(2 * dTheta)) * rC;
    const double l = dL / sL, c = dC / sC, h = dH / sH;
    return std::sqrt(l * l + c * c + h * h + rT * c * h);
}

Light toLight(QRgb p) { return {linear(qRed(p)), linear(qGreen(p)), linear(qBlue(p))}; }

QRgb toQRgb(const Light &c)
{
    auto channel = [](double v) { return int(std::lround(encoded(v))); };
    return qRgb(channel(c.r), channel(c.g), channel(c.b));
}

const char *visionName(Vision v)
{
    switch (v) {
    case Vision::Protanopia: return "protanopia";
    case Vision::Deuteranopia: return "deuteranopia";
    case Vision::Tritanopia: return "tritanopia";
    case Vision::Normal: break;
    }
    return "normal vision";
}

Light seenWith(Vision v, const Light &c)
{
    const Matrix *m = v == Vision::Protanopia     ? &Protanopia
                      : v == Vision::Deuteranopia ? &Deuteranopia
                      : v == Vision::Tritanopia   ? &Tritanopia
                                                  : nullptr;
    if (!m)
        return c;
    auto row = [&](int i) {
        const auto &k = (*m)[std::size_t(i)];
        return std::clamp(k[0] * c.r + k[1] * c.g + k[2] * c.b, 0.0, 1.0);
    };
    return {row(0), row(1), row(2)};
}

Lab meanSeen(const QImage &pic, const QVector<QPoint> &pixels, Vision v)
{
    Light sum;
    for (const QPoint &p : pixels) {
        const Light seen = seenWith(v, toLight(pic.pixel(p)));
        sum = {sum.r + seen.r, sum.g + seen.g, sum.b + seen.b};
    }
    const double n = pixels.isEmpty() ? 1.0 : double(pixels.size());
    return labOfLight({sum.r / n, sum.g / n, sum.b / n});
}

}  // namespace piecestest
