// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where things lie in the pieces picture b8.bmp, for the picture's
// generator and the throne room alike: every piece in each of its four
// turns, a box of 4 x 4 squares of 20 x 20 per piece and turn, piece n
// (1..12) across, turn t (0..3) down.
#include "throne/PieceShapes.h"

namespace pieces_art {

constexpr int Square = 20;
constexpr int Box = tarnwick::PieceBox * Square;
constexpr int Width = Box * tarnwick::PieceCount;
constexpr int Height = Box * 4;

// Top-left corner of square (row, col) of piece n in turn t.
struct Corner {
    int x, y;
};
constexpr Corner SquareOf(int piece, int turn, int row, int col) {
    return {Box * (piece - 1) + Square * col, Box * turn + Square * row};
}

}  // namespace pieces_art
