// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Blending one number into another. The pictures use two ways of going from
// a to b; they round differently in the last bit, so each painter keeps its
// own and the pixels stay as they are.
#include <algorithm>

namespace kit {

// a plus t of the way to b.
inline double lerpByDifference(double a, double b, double t) { return a + (b - a) * t; }
// a weighted 1 - t against b weighted t.
inline double lerpByWeights(double a, double b, double t) { return a * (1 - t) + b * t; }

inline double clamp01(double v) { return std::clamp(v, 0.0, 1.0); }

// The S-curve from 0 to 1 with a flat start and end, for t in 0..1.
inline double smoothCurve(double t) { return t * t * (3 - 2 * t); }

// 0 below e0, 1 above e1, the S-curve between.
inline double smoothstep(double e0, double e1, double v) { return smoothCurve(clamp01((v - e0) / (e1 - e0))); }

}  // namespace kit
