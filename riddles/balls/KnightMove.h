// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The knight's jump of chess: two fields one way and one field the other.
#include <cstdlib>

#include "riddles/frame/Board.h"

namespace tarnwick {

inline bool KnightMove(BoardCell from, BoardCell to) {
    return std::abs(to.col - from.col) * std::abs(to.row - from.row) == 2;
}

}  // namespace tarnwick
