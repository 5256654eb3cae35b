// SPDX-License-Identifier: GPL-3.0-or-later
#include "Balls.h"

#include "BallBand.h"
#include "data/kit/Blend.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace art {

namespace {

constexpr double Centre = BallCentre;
constexpr double Radius = BallRadius;

struct Vec {
    double x, y, z;
};

Vec normalised(Vec v)
{
    const double len = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    return {v.x / len, v.y / len, v.z / len};
}

double dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

// The torch hangs up and to the left of every board.
const Vec TorchDir = normalised({-0.45, -0.65, 0.62});
const Vec HalfWay = normalised({TorchDir.x, TorchDir.y, TorchDir.z + 1.0});
const kit::Rgb TorchLight = {1.06, 0.97, 0.84};
const kit::Rgb BandColour = kit::rgb(252, 248, 236);  // ivory, lit like the glass around it

// Light reaching one point of the sphere seen from the front.
kit::Rgb shadePoint(kit::Rgb body, double px, double py)
{
    const double nx = (px - Centre) / Radius, ny = (py - Centre) / Radius;
    const double nz = std::sqrt(std::max(0.0, 1.0 - nx * nx - ny * ny));
    const Vec n = {nx, ny, nz};

    const double diffuse = std::max(0.0, dot(n, TorchDir));
    const double bounce = 0.16 * std::max(0.0, ny) * (1.0 - nz * 0.5);  // warm glow off the floor
    const double light = 0.20 + 0.92 * diffuse;
    kit::Rgb c = {body.r * light * TorchLight.r, body.g * light * TorchLight.g, body.b * light * TorchLight.b};
    c = c + kit::rgb(255, 170, 90) * bounce * 0.5;

    // A small sharp highlight of the flame and a broad sheen around it.
    const double h = std::max(0.0, dot(n, HalfWay));
    c = c + kit::rgb(255, 246, 225) * (std::pow(h, 90) * 1.1 + std::pow(h, 12) * 0.12);

    // The silhouette darkens so a ball stands off a light square.
    const double edge = kit::smoothstep(0.72, 1.0, std::sqrt(nx * nx + ny * ny));
    c = c * (1.0 - 0.45 * edge);
    return c;
}

}  // namespace

bool insideBall(int x, int y)
{
    const double dx = x + 0.5 - Centre, dy = y + 0.5 - Centre;
    return dx * dx + dy * dy <= Radius * Radius;
}

kit::Rgb ballColour(int kind)
{
    static const std::array<kit::Rgb, BallKinds> colours = {
        kit::rgb(232, 228, 214),  // pearl
        kit::rgb(250, 128, 18),   // amber
        kit::rgb(18, 196, 204),   // turquoise
        kit::rgb(176, 52, 200),   // purple
        kit::rgb(210, 16, 50),    // red
        kit::rgb(41, 113, 2),     // green, deep enough to stay apart from yellow
        kit::rgb(48, 92, 240),    // blue
        kit::rgb(254, 254, 0),    // yellow, a clear lemon
    };
    return colours[std::size_t(std::clamp(kind, 0, BallKinds - 1))];
}

void paintBall(QImage &img, int left, int top, int kind)
{
    const kit::Rgb body = ballColour(kind);
    const bool banded = kind == BandedBall;
    const kit::Rgb floorColour = body * 0.16 + kit::rgb(10, 8, 6);  // never black inside the ball
    for (int y = 0; y < BallSize; ++y) {
        for (int x = 0; x < BallSize; ++x) {
            if (!insideBall(x, y)) {
                img.setPixel(left + x, top + y, qRgb(0, 0, 0));
                continue;
            }
            kit::Rgb sum;
            int samples = 0;
            for (int sy = 0; sy < 4; ++sy) {
                for (int sx = 0; sx < 4; ++sx) {
                    const double px = x + (sx + 0.5) / 4, py = y + (sy + 0.5) / 4;
                    const double dx = px - Centre, dy = py - Centre;
                    if (dx * dx + dy * dy > Radius * Radius)
                        continue;
                    sum = sum + shadePoint(banded && onBallBand(px, py) ? BandColour : body, px, py);
                    ++samples;
                }
            }
            kit::Rgb c = samples ? sum * (1.0 / samples) : floorColour;
            c = {std::max(c.r, floorColour.r), std::max(c.g, floorColour.g), std::max(c.b, floorColour.b)};
            kit::setPixel(img, left + x, top + y, c);
        }
    }
}

void paintBallMask(QImage &img, int left, int top)
{
    for (int y = 0; y < BallSize; ++y)
        for (int x = 0; x < BallSize; ++x)
            img.setPixel(left + x, top + y, insideBall(x, y) ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
}

}  // namespace art
