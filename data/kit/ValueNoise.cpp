// SPDX-License-Identifier: GPL-3.0-or-later
#include "ValueNoise.h"

#include "Blend.h"
#include "Hash.h"

#include <cmath>

namespace kit {

namespace {

// corner(ix, iy) gives a lattice point's value; alongX blends two corners
// of a cell, the blend down the cell is always by weights.
template <typename Corner, typename Blend>
double latticeNoise(double fx, double fy, Corner corner, Blend alongX) {
    const int ix = int(std::floor(fx)), iy = int(std::floor(fy));
    const double sx = smoothCurve(fx - ix), sy = smoothCurve(fy - iy);
    const double a = corner(ix, iy), b = corner(ix + 1, iy);
    const double c = corner(ix, iy + 1), d = corner(ix + 1, iy + 1);
    return lerpByWeights(alongX(a, b, sx), alongX(c, d, sx), sy);
}

}  // namespace

double smoothSpreadNoise(double x, double y, int cell, int seed) {
    return latticeNoise(
        x / cell, y / cell, [seed](int ix, int iy) { return spreadUnit(ix, iy, seed); }, lerpByDifference);
}

double smoothChainedNoise(double x, double y, std::uint32_t seed) {
    return latticeNoise(
        x, y, [seed](int ix, int iy) { return chainedUnit(ix, iy, seed); }, lerpByWeights);
}

double fbm(double x, double y, std::uint32_t seed, int octaves) {
    double sum = 0, amp = 0.5, norm = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += amp * smoothChainedNoise(x, y, seed + 101u * std::uint32_t(i));
        norm += amp;
        x *= 2.03;
        y *= 2.03;
        amp *= 0.5;
    }
    return sum / norm;
}

}  // namespace kit
