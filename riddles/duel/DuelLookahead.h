// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The player the duel's hint plays as: one who looks one answer of the
// chancellor ahead.
#include <vector>

#include "riddles/duel/DuelBoard.h"

namespace tarnwick {

// The fields the player may lay a gem on: empty or the player's own.
std::vector<BoardCell> PlayerFields(const DuelBoard& board);

// How a position stands for the player once the chain reactions are over:
// the gems ahead of the computer's, the highest for a won duel, the lowest
// for a lost one.
int PlayerStanding(const DuelBoard& board);

// Tries every field, works out the chancellor's answer with his own rating
// (the worst of his equally rated answers), and takes the field that
// leaves the player best off; the first such field, so the play is fixed.
// The board must hold a field the player may take.
BoardCell LookaheadPlayerMove(const DuelBoard& board);

}  // namespace tarnwick
