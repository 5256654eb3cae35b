// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The twelve help pages: picture, section heading and the texts of each.
#include "state/BiText.h"

namespace tarnwick {

// Twelve pages on the game, then three on its keys.
constexpr int HelpPageCount = 15;

struct HelpText {
    int label;  // 2..9: the label c2..c9 the text goes into; 0 = no text
    BiText text;
};

struct HelpPageContent {
    const char* picture;
    BiText heading;  // empty on the greeting page
    HelpText texts[3];
};

// Index 1..12 is the page; index 0 is unused.
extern const HelpPageContent HelpPages[HelpPageCount + 1];

}  // namespace tarnwick
