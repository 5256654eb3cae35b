#pragma once
// Small painting helpers shared by the riddle picture, the pieces picture and
// the button glyphs: deterministic noise, colour arithmetic, pixel access.
#include <QColor>
#include <QImage>
#include <cstdint>

namespace art {

struct Rgb {
    double r = 0, g = 0, b = 0;
};

Rgb operator+(Rgb a, Rgb b);
Rgb operator*(Rgb a, double k);
Rgb mix(Rgb a, Rgb b, double t);  // t = 0 gives a, 1 gives b
Rgb rgb(int r, int g, int b);
QRgb toQRgb(Rgb c);
double luma(Rgb c);

// Same input, same output on every run: the pictures are rebuilt by every build.
std::uint32_t hash2(int x, int y, std::uint32_t seed);
double hashUnit(int x, int y, std::uint32_t seed);              // 0..1
double valueNoise(double x, double y, std::uint32_t seed);      // 0..1, smooth
double fbm(double x, double y, std::uint32_t seed, int octaves);  // 0..1

double clamp01(double v);
double smoothstep(double e0, double e1, double v);

void setPixel(QImage &img, int x, int y, Rgb c);
Rgb pixelAt(const QImage &img, int x, int y);
void fillBlack(QImage &img, int x, int y, int w, int h);

}  // namespace art
