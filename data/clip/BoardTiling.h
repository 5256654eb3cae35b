// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the twelve pieces of the king's chess board fit together into the
// whole 8 x 8 board, so the clip can break the board along their outlines.
#include <array>

namespace tarnwick::clip {

struct PiecePlace {
    int piece = 0;  // 1..12
    int turn = 0;   // 0..3, as in the shape table
    int col = 0;    // board cell of the top-left corner of the piece's 4 x 4 box
    int row = 0;
};

struct BoardTiling {
    bool found = false;
    bool lightCorner = true;              // colour of the board's top-left square
    std::array<PiecePlace, 12> places{};  // in piece order
    std::array<std::array<int, 8>, 8> owner{};  // [row][col] -> piece 1..12
};

// Searches a way to lay all twelve pieces, turned but not flipped, as a
// chequered 8 x 8 board. The search is deterministic: it always returns
// the same tiling.
BoardTiling findBoardTiling();

}  // namespace tarnwick::clip
