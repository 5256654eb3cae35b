// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "labyrinth/Corridors.h"
#include "platform/Random.h"
#include "state/Game.h"

namespace tarnwick {

// The chancellor's scramble that starts every game: the restored pattern,
// then 1000 random shifts (draws that hit a fixed line change nothing).
void ScrambleGrid(LabyrinthState& state, Random& random);

// After a visit through door `door`: while the throne room is not done,
// one visit in six to a room still unsolved lets the spell carry the player
// to a random inner tile, facing south. Returns whether it struck.
bool CastSpell(GameInPlay& game, int door, Random& random);

// A new game in place of `old`: the scrambled corridors, the player on the
// exit cell facing east, every door closed and no piece won; the pieces'
// last places and the reserved word stay as they were.
GameInPlay NewGamePlay(const GameInPlay& old, Random& random);

}  // namespace tarnwick
