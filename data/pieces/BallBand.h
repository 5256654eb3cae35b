// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pale band round the green ball. To a player with red-green colour
// blindness the red and the green ball look alike whatever their shades, so
// the green one also differs in shape: a belt along its equator, seen a
// little from above. The riddle picture's checks find the band by the same
// test.
#include <algorithm>
#include <cmath>
#include <numbers>

namespace art {

constexpr int BandedBall = 5;  // the green ball's sprite column
// The ball in its 28 x 28 square.
constexpr double BallCentre = 14.0;
constexpr double BallRadius = 13.2;

constexpr double BandTilt = 8.0 * std::numbers::pi / 180.0;  // the ball's axis, leaning towards the viewer
constexpr double BandHalfWidth = 0.15;                         // on the unit sphere, about 4 pixels in all

// True where the point (x, y) of the ball's square lies on the band.
inline bool onBallBand(double x, double y)
{
    const double nx = (x - BallCentre) / BallRadius, ny = (y - BallCentre) / BallRadius;
    const double nz = std::sqrt(std::max(0.0, 1.0 - nx * nx - ny * ny));
    return std::abs(nz * std::sin(BandTilt) - ny * std::cos(BandTilt)) <= BandHalfWidth;
}

}  // namespace art
