// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The chancellor's play in the duel: every field he may take is rated by
// the player's weakest reply to it, and he takes a field with the lowest
// rating.
#include <array>

#include "platform/Random.h"
#include "riddles/duel/DuelBoard.h"

namespace tarnwick {

// One rating per field, columns outer, rows inner (index 6 * col + row).
using DuelRatings = std::array<int, DuelBoard::Size * DuelBoard::Size>;

// A field the computer may not take (the player's) keeps this rating.
constexpr int RatingNoMove = 255;
// A move that leaves the player no field wins the duel at once: rated
// below every move the player could still answer.
constexpr int RatingWinning = -1;

// For each field that is empty or the computer's: one gem more on a copy
// of the board, the chain reaction, then the fewest gems the player can
// be left with by any reply (one gem on an empty field or a field of the
// player's, and its chain reaction). Boards are copied by value; nothing
// is allocated.
DuelRatings RateComputerMoves(const DuelBoard& board);

// A field with the lowest rating; among several, one drawn at random.
// The board must hold a field the computer may take.
BoardCell ChooseComputerMove(const DuelBoard& board, Random& random);

}  // namespace tarnwick
