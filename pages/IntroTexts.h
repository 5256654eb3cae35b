// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The back-story told on the nine story pages, text by text.
#include "state/BiText.h"

namespace tarnwick {

// Index 1..19 is the label the text is shown in; index 0 is unused.
extern const BiText StoryTexts[20];

}  // namespace tarnwick
