#include "ArtKit.h"

#include <algorithm>
#include <cmath>

namespace art {

Rgb operator+(Rgb a, Rgb b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
Rgb operator*(Rgb a, double k) { return {a.r * k, a.g * k, a.b * k}; }
Rgb mix(Rgb a, Rgb b, double t) { return a * (1.0 - t) + b * t; }
Rgb rgb(int r, int g, int b) { return {double(r), double(g), double(b)}; }

static int channel(double v) { return std::clamp(int(std::lround(v)), 0, 255); }

QRgb toQRgb(Rgb c) { return qRgb(channel(c.r), channel(c.g), channel(c.b)); }

double luma(Rgb c) { return 0.299 * c.r + 0.587 * c.g + 0.114 * c.b; }

std::uint32_t hash2(int x, int y, std::uint32_t seed)
{
    std::uint32_t h = seed * 0x9E3779B1u;
    h ^= std::uint32_t(x) * 0x85EBCA77u;
    h = (h << 13) | (h >> 19);
    h ^= std::uint32_t(y) * 0xC2B2AE3Du;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return h;
}

double hashUnit(int x, int y, std::uint32_t seed) { return (hash2(x, y, seed) & 0xFFFFFF) / double(0xFFFFFF); }

double valueNoise(double x, double y, std::uint32_t seed)
{
    const double fx = std::floor(x), fy = std::floor(y);
    const int ix = int(fx), iy = int(fy);
    double tx = x - fx, ty = y - fy;
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    const double a = hashUnit(ix, iy, seed), b = hashUnit(ix + 1, iy, seed);
    const double c = hashUnit(ix, iy + 1, seed), d = hashUnit(ix + 1, iy + 1, seed);
    return (a * (1 - tx) + b * tx) * (1 - ty) + (c * (1 - tx) + d * tx) * ty;
}

double fbm(double x, double y, std::uint32_t seed, int octaves)
{
    double sum = 0, amp = 0.5, norm = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += amp * valueNoise(x, y, seed + 101u * std::uint32_t(i));
        norm += amp;
        x *= 2.03;
        y *= 2.03;
        amp *= 0.5;
    }
    return sum / norm;
}

double clamp01(double v) { return std::clamp(v, 0.0, 1.0); }

double smoothstep(double e0, double e1, double v)
{
    const double t = clamp01((v - e0) / (e1 - e0));
    return t * t * (3 - 2 * t);
}

void setPixel(QImage &img, int x, int y, Rgb c) { img.setPixel(x, y, toQRgb(c)); }

Rgb pixelAt(const QImage &img, int x, int y)
{
    const QRgb p = img.pixel(x, y);
    return rgb(qRed(p), qGreen(p), qBlue(p));
}

void fillBlack(QImage &img, int x, int y, int w, int h)
{
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i)
            img.setPixel(i, j, qRgb(0, 0, 0));
}

}  // namespace art
