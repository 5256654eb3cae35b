// SPDX-License-Identifier: GPL-3.0-or-later
#include "Colour.h"

#include "Blend.h"

#include <algorithm>
#include <cmath>

namespace kit {

int channel(double v) { return std::clamp(int(std::lround(v)), 0, 255); }

QColor shade(const QColor &c, double factor) {
    return QColor(channel(c.red() * factor), channel(c.green() * factor), channel(c.blue() * factor));
}

QColor mix(const QColor &a, const QColor &b, double t) {
    auto blend = [t](int from, int to) { return channel(lerpByDifference(from, to, t)); };
    return QColor(blend(a.red(), b.red()), blend(a.green(), b.green()), blend(a.blue(), b.blue()),
                  blend(a.alpha(), b.alpha()));
}

QColor jitter(const QColor &c, int amount, std::uint32_t h) {
    if (amount <= 0)
        return c;
    const int d = int(h % std::uint32_t(2 * amount + 1)) - amount;
    return QColor(channel(c.red() + d), channel(c.green() + d * 0.9), channel(c.blue() + d * 0.8));
}

}  // namespace kit
