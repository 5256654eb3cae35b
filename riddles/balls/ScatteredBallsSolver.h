// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The placement solver of the rooms of restriction and loneliness: the
// solved position that keeps the most of the room's balls where they lie,
// found row by row (each row of a solved board holds exactly its share),
// and the drops that carry the other balls onto it.
#include <vector>

#include "riddles/balls/DragSearch.h"
#include "riddles/balls/ScatteredBallsRules.h"

namespace tarnwick {

// The fields of a solved position nearest to the room's (the fewest drops
// away), row by row; empty if the board has none.
std::vector<BoardCell> NearestSolvedPosition(const ScatteredBallsRules& room);

// The drops that bring every ball off `goal` onto a free field of it,
// row by row; none when the balls do not match the goal's number. A room
// that stands solved already still needs one move to be judged: a ball put
// back on its field.
std::vector<DragMove> PlacementMoves(const BallBoardRules& room, const std::vector<BoardCell>& goal);

}  // namespace tarnwick
