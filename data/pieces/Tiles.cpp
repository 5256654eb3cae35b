// SPDX-License-Identifier: GPL-3.0-or-later
#include "Tiles.h"

#include "data/kit/Hash.h"
#include "data/kit/ValueNoise.h"

#include <algorithm>
#include <cmath>

namespace art {

kit::Rgb materialAt(const TileStyle &s, double x, double y)
{
    const double fine = kit::chainedUnit(int(x), int(y), s.seed ^ 0x55u) - 0.5;
    switch (s.grain) {
    case Grain::Marble: {
        const double warp = kit::fbm(x / 9.0, y / 9.0, s.seed, 4) * 7.0;
        const double v = std::abs(std::sin(x * 0.16 + y * 0.11 + warp));
        const double vein = std::pow(1.0 - v, 6.0);
        const double cloud = kit::fbm(x / 14.0, y / 14.0, s.seed + 7, 3) - 0.5;
        kit::Rgb c = s.base * (1.0 + 0.10 * cloud) + kit::rgb(1, 1, 1) * (fine * 5.0);
        return kit::mix(c, s.vein, 0.55 * vein);
    }
    case Grain::Wood: {
        const double t = y * 0.55 + kit::fbm(x / 18.0, y / 4.0, s.seed, 3) * 4.5;
        const double ring = 0.5 + 0.5 * std::sin(t * 2.1);
        const double fibre = kit::smoothChainedNoise(x / 2.5, y * 1.7, s.seed + 3) - 0.5;
        kit::Rgb c = kit::mix(s.base, s.vein, 0.55 * ring * ring);
        return c * (1.0 + 0.09 * fibre) + kit::rgb(1, 1, 1) * (fine * 3.0);
    }
    case Grain::Stone:
    default: {
        const double cloud = kit::fbm(x / 7.0, y / 7.0, s.seed, 4) - 0.5;
        const double speck = kit::chainedUnit(int(x), int(y), s.seed + 11) > 0.93 ? 1.0 : 0.0;
        kit::Rgb c = s.base * (1.0 + 0.18 * cloud) + kit::rgb(1, 1, 1) * (fine * 8.0);
        return kit::mix(c, s.vein, 0.5 * speck);
    }
    }
}

void paintTile(QImage &img, int left, int top, int size, const TileStyle &s)
{
    const int last = size - 1;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            kit::Rgb c = materialAt(s, left + x, top + y);
            // a soft sheen of the torch across the polished face
            const double sheen = 1.0 + 0.06 * (1.0 - (x + y) / double(2 * last));
            c = c * sheen;
            const int fromLeft = x, fromTop = y, fromRight = last - x, fromBottom = last - y;
            const int lit = std::min(fromLeft, fromTop), shaded = std::min(fromRight, fromBottom);
            if (std::min(lit, shaded) == 0) {
                c = c * 0.62;  // the joint between tiles
            } else if (shaded <= 2 && shaded <= lit) {
                c = c * (1.0 - s.bevel * (shaded == 1 ? 0.26 : 0.12));
            } else if (lit <= 2) {
                c = kit::mix(c, kit::rgb(255, 244, 220), s.bevel * (lit == 1 ? 0.30 : 0.14));
            }
            kit::setPixel(img, left + x, top + y, c);
        }
    }
}

}  // namespace art
