// SPDX-License-Identifier: GPL-3.0-or-later
#include "Gems.h"

#include "data/kit/Rgb.h"

#include <cmath>

namespace art {

namespace {

// Seen from the side: a flat table on top, the crown, the girdle, and the
// pavilion narrowing to the point.
const char *const GemShape[GemHeight] = {
    "...######...",
    "..########..",
    ".##########.",
    "############",
    "############",
    ".##########.",
    "..########..",
    "...######...",
    "....####....",
    ".....##.....",
};

bool onOutline(int x, int y)
{
    return !insideGem(x - 1, y) || !insideGem(x + 1, y) || !insideGem(x, y - 1) || !insideGem(x, y + 1);
}

// Brightness of the facet a pixel belongs to, lit from the upper left.
double facetLight(int x, int y)
{
    if (y <= 2) {  // crown: bright table, lit left bevel, shaded right bevel
        if (x >= 3 && x <= 8)
            return 1.25;
        return x < 6 ? 1.05 : 0.72;
    }
    if (y == 3)
        return 1.35;  // the girdle catches the light
    // pavilion: facets fanning out from the point, alternating
    const double angle = std::atan2(x + 0.5 - 6.0, 10.0 - (y + 0.5));
    const int facet = int(std::floor((angle + 1.6) / 0.4));
    double light = facet % 2 ? 0.95 : 0.62;
    if (x >= 6)
        light *= 0.8;
    return light;
}

}  // namespace

bool insideGem(int x, int y)
{
    if (x < 0 || y < 0 || x >= GemWidth || y >= GemHeight)
        return false;
    return GemShape[y][x] == '#';
}

void paintGem(QImage &img, int left, int top, GemKind kind)
{
    const kit::Rgb body = kind == GemKind::Ruby ? kit::rgb(214, 20, 56) : kit::rgb(40, 214, 200);
    const kit::Rgb rim = kind == GemKind::Ruby ? kit::rgb(40, 0, 10) : kit::rgb(4, 44, 48);
    for (int y = 0; y < GemHeight; ++y) {
        for (int x = 0; x < GemWidth; ++x) {
            if (!insideGem(x, y)) {
                img.setPixel(left + x, top + y, qRgb(0, 0, 0));
                continue;
            }
            kit::Rgb c = body * facetLight(x, y);
            // A dark rim all round keeps the gem clear of any field it
            // lies on, the red one on the rose marble included.
            if (onOutline(x, y))
                c = kit::mix(c, rim, y < 3 ? 0.55 : 0.8);
            kit::setPixel(img, left + x, top + y, c);
        }
    }
    // Two sparkles of the torch in the crown and the pavilion.
    kit::setPixel(img, left + 4, top + 1, kit::rgb(255, 250, 235));
    kit::setPixel(img, left + 4, top + 5, kit::mix(body, kit::rgb(255, 255, 255), 0.7));
}

void paintGemMask(QImage &img, int left, int top)
{
    for (int y = 0; y < GemHeight; ++y)
        for (int x = 0; x < GemWidth; ++x)
            img.setPixel(left + x, top + y, insideGem(x, y) ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
}

}  // namespace art
