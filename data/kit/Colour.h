// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Colour arithmetic on whole 8-bit channels, for QColor.
#include <QColor>
#include <cstdint>

namespace kit {

// A channel value rounded to the nearest whole number and kept in 0..255.
int channel(double v);

QColor shade(const QColor &c, double factor);           // darker < 1 < lighter
QColor mix(const QColor &a, const QColor &b, double t);  // t = 0 gives a
// Lighter or darker by up to `amount`, picked by the hash `h`.
QColor jitter(const QColor &c, int amount, std::uint32_t h);

}  // namespace kit
