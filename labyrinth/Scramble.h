#pragma once
#include "labyrinth/Corridors.h"
#include "platform/Random.h"

namespace tarnwick {

// The chancellor's scramble that starts every game: the restored pattern,
// then 1000 random shifts (draws that hit a fixed line change nothing).
void ScrambleGrid(LabyrinthState& state, Random& random);

// After a visit through door `door`: while the throne room is not done,
// one visit in six to a room still unsolved lets the spell carry the player
// to a random inner tile, facing south. Returns whether it struck.
bool CastSpell(LabyrinthState& state, int door, Random& random);

}  // namespace tarnwick
