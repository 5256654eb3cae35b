// SPDX-License-Identifier: GPL-3.0-or-later
#include "Vignette.h"

#include "Colour.h"

#include <algorithm>
#include <cmath>

namespace kit {

void vignette(QImage &img, const QRect &area, double strength) {
    const QRect r = area.intersected(img.rect());
    const double cx = r.center().x(), cy = r.center().y();
    const double rx = r.width() / 2.0, ry = r.height() / 2.0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const double dx = (x - cx) / rx, dy = (y - cy) / ry;
            const double d = std::min(1.0, std::sqrt(dx * dx + dy * dy) / 1.414);
            img.setPixelColor(x, y, shade(img.pixelColor(x, y), 1.0 - strength * d * d));
        }
}

}  // namespace kit
