// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's pictures are pixel art: on a screen of higher density every
// picture pixel must become an equal square block of screen pixels. So the
// game scales by whole numbers only: a fractional factor, whether the
// screen's or one the user set, is rounded to the nearest whole number.
#include <string>

namespace tarnwick {

// Call before the application object is made.
void UseWholeScaleFactors();

// A scale factor rounded to the nearest whole number, at least 1; text that
// is not a positive number is left as it is.
std::string WholeScaleFactor(const std::string& factor);
// A list of per-screen factors as Qt reads it ("1.5;2" or
// "HDMI-1=1.5;DP-2=2"), each factor rounded.
std::string WholeScreenScaleFactors(const std::string& factors);

}  // namespace tarnwick
