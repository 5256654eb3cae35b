// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where things lie in the door-room picture b1.bmp, and where the squares of
// each chess-board piece sit inside its 60 x 45 cell: one table for the
// picture's generator and the door room alike.
#include "throne/PieceShapes.h"

namespace door_room_art {

constexpr int Width = 640, Height = 315;
constexpr int RoomW = 400, RoomH = 300;

// The open door: picture rectangle and where the game draws it.
constexpr int OpenDoorX = 400, OpenDoorY = 0, OpenDoorW = 110, OpenDoorH = 180;
constexpr int OpenDoorAtX = 150, OpenDoorAtY = 90;
// The three glowing wall stones.
constexpr int StonesX = 513, StonesY = 0, StonesW = 50, StonesH = 50;
constexpr int StonesAtX = 163, StonesAtY = 175;
// Piece N (1..12) lying in the open door.
constexpr int PieceCellW = 60, PieceCellH = 45;
constexpr int PieceAtX = 160, PieceAtY = 185;
constexpr int pieceCellX(int n) { return 400 + PieceCellW * ((n - 1) % 4); }
constexpr int pieceCellY(int n) { return 180 + PieceCellH * ((n - 1) / 4); }

constexpr int SquareSize = 10;

// Top-left of the square (row, col) of piece n, turn 0, inside its cell:
// the occupied squares are centred across the cell and rest on the niche's
// ledge, 3 pixels above the cell's bottom.
struct CellPoint {
    int x, y;
};
constexpr CellPoint pieceSquareInCell(int n, int row, int col) {
    int r0 = 4, r1 = -1, c0 = 4, c1 = -1;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            if (tarnwick::PieceSquareAt(n, 0, r, c) != tarnwick::EmptySquare) {
                r0 = r < r0 ? r : r0;
                r1 = r > r1 ? r : r1;
                c0 = c < c0 ? c : c0;
                c1 = c > c1 ? c : c1;
            }
    const int w = (c1 - c0 + 1) * SquareSize, h = (r1 - r0 + 1) * SquareSize;
    return {(PieceCellW - w) / 2 + (col - c0) * SquareSize, PieceCellH - 3 - h + (row - r0) * SquareSize};
}

// Where a click counts, in the door room: the door's opening and, in the
// stones rectangle, each stone's hit area for the levels 1, 2 and 3 (both
// exclusive of their edges).
struct StoneRect {
    int x, y, w, h;
};
constexpr StoneRect Door = {OpenDoorAtX, OpenDoorAtY, OpenDoorW, OpenDoorH};
constexpr StoneRect StoneHits[3] = {{0, 0, 25, 25}, {29, 0, 25, 25}, {13, 25, 25, 25}};
// The three stones as painted, each inside its hit area.
constexpr StoneRect Stones[3] = {{2, 2, 21, 21}, {31, 2, 17, 21}, {15, 27, 21, 21}};

}  // namespace door_room_art
