// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The hint of the room of displacement.
#include "riddles/corridors/DisplacementRules.h"

namespace tarnwick {

// The next step of a shortest way to the goal: a ball and the field it
// steps to, read from the level's table of distances.
Hint DisplacementHint(const DisplacementRules& room);

}  // namespace tarnwick
