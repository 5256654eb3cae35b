// SPDX-License-Identifier: GPL-3.0-or-later
// b4.bmp: a vaulted corridor of the palace cellar, receding into darkness,
// lit by wall torches. Shown behind the restored-corridors window, the closing
// window and several story and help pages, so the middle stays dark and calm
// under white text.
#include "SceneKit.h"
#include "ScenePictures.h"
#include "data/kit/Colour.h"
#include "data/kit/Hash.h"

#include <cmath>
#include <vector>

namespace art {
namespace {

constexpr int W = 400, H = 300;
constexpr double Focal = 180, CentreX = 200, CentreY = 140;
constexpr double FloorY = 0.8, SpringY = -0.6, EndZ = 16;

struct Torch {
    double x, y, z;
};
const std::vector<Torch> Torches = {{-0.97, -0.15, 1.0}, {0.97, -0.15, 1.0}, {-0.97, -0.15, 4.5},
                                    {0.97, -0.15, 4.5}, {-0.97, -0.15, 9.0}, {0.97, -0.15, 9.0}};

bool mortarAt(double a, double b, double sa, double sb, double width) {
    const double row = std::floor(b / sb);
    const double shifted = a / sa + (std::fmod(std::abs(row), 2.0) ? 0.5 : 0.0);
    const double fa = shifted - std::floor(shifted), fb = b / sb - row;
    return fa < width / sa || fb < width / sb;
}

QColor surface(double x, double y, double z, int kind) {
    // kind 0 wall, 1 floor, 2 vault
    QColor base;
    double a = 0, b = 0, sa = 0.5, sb = 0.25;
    if (kind == 0) {
        base = QColor(118, 100, 84);
        a = z;
        b = y;
    } else if (kind == 1) {
        base = QColor(104, 88, 70);
        a = x;
        b = z;
        sa = 0.5;
        sb = 0.5;
    } else {
        base = QColor(96, 82, 70);
        a = std::atan2(y - SpringY, x) * 0.8;
        b = z;
        sa = 0.18;
        sb = 0.36;
    }
    const std::uint32_t h = kit::spreadHash(int(std::floor(a / sa * 2)), int(std::floor(b / sb)), 90 + kind);
    QColor c = kit::jitter(base, 12, h);
    if (mortarAt(a, b, sa, sb, 0.02 + 0.004 * z))
        c = kit::shade(c, 0.45);
    return c;
}

double lightAt(double x, double y, double z) {
    double l = 0.05;
    for (const Torch &t : Torches) {
        const double d2 = (x - t.x) * (x - t.x) + (y - t.y) * (y - t.y) + (z - t.z) * (z - t.z);
        l += 0.55 / (1 + d2 * 3.0);
    }
    return l * std::exp(-z * 0.12);
}

}  // namespace

QImage cellarScene() {
    QImage img(W, H, QImage::Format_RGB32);
    for (int py = 0; py < H; ++py)
        for (int px = 0; px < W; ++px) {
            const double u = (px + 0.5 - CentreX) / Focal, v = (py + 0.5 - CentreY) / Focal;
            double z = EndZ;
            int kind = -1;
            if (v > 0 && FloorY / v < z) {
                z = FloorY / v;
                kind = 1;
            }
            if (std::abs(u) > 1e-6) {
                const double zw = 1.0 / std::abs(u);
                const double yw = v * zw;
                if (zw < z && yw >= SpringY && yw <= FloorY) {
                    z = zw;
                    kind = 0;
                }
            }
            if (v < 0) {  // barrel vault above the springing line
                const double a = u * u + v * v, b = -2 * SpringY * v, c = SpringY * SpringY - 1;
                const double zv = (-b + std::sqrt(b * b - 4 * a * c)) / (2 * a);
                if (zv < z && v * zv < SpringY) {
                    z = zv;
                    kind = 2;
                }
            }
            QColor c(4, 3, 2);
            if (kind >= 0) {
                const double x = u * z, y = v * z;
                const double l = lightAt(x, y, z);
                const QColor s = surface(x, y, z, kind);
                c = QColor(std::min(255, int(s.red() * l * 2.0)), std::min(255, int(s.green() * l * 1.7)),
                           std::min(255, int(s.blue() * l * 1.35)));
            }
            img.setPixelColor(px, py, kit::jitter(c, 2, kit::spreadHash(px, py, 97)));
        }
    QPainter p(&img);
    for (const Torch &t : Torches) {
        const double sx = CentreX + Focal * t.x / t.z, sy = CentreY + Focal * t.y / t.z;
        paintTorch(p, sx, sy, 1.5 / t.z);
    }
    return img;
}

}  // namespace art
