// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a riddle board lies in its 300 x 380 room and which field a window
// point falls on. Fields are 32 x 32; column 0 at the left, row 0 at the top.
#include <optional>

namespace tarnwick {

struct BoardCell {
    int col = 0;
    int row = 0;
    friend bool operator==(const BoardCell&, const BoardCell&) = default;
};

// A point on the board: its field, and the offset inside that field
// (0..31 from the field's top-left corner).
struct BoardPoint {
    BoardCell cell;
    int dx = 0;
    int dy = 0;
};

// A point in window pixels, or the top-left corner of a square in the
// riddle picture.
struct Pixel {
    int x = 0;
    int y = 0;
    friend bool operator==(const Pixel&, const Pixel&) = default;
};

struct BoardGeometry {
    static constexpr int CellSize = 32;

    int left = 0;   // window pixels of the board's top-left corner
    int top = 0;
    int columns = 0;
    int rows = 0;

    bool OnBoard(BoardCell cell) const {
        return cell.col >= 0 && cell.col < columns && cell.row >= 0 && cell.row < rows;
    }
    // The point of the board under a window point, if it lies on the board.
    std::optional<BoardPoint> PointAt(int x, int y) const {
        // Left of or above the board is off it; dividing first would round
        // points just outside onto column or row 0.
        if (x < left || y < top) return std::nullopt;
        const BoardPoint point{{(x - left) / CellSize, (y - top) / CellSize}, (x - left) % CellSize,
                               (y - top) % CellSize};
        if (!OnBoard(point.cell)) return std::nullopt;
        return point;
    }
    std::optional<BoardCell> CellAt(int x, int y) const {
        const auto point = PointAt(x, y);
        if (!point) return std::nullopt;
        return point->cell;
    }
    Pixel Corner(BoardCell cell) const { return {left + CellSize * cell.col, top + CellSize * cell.row}; }
    Pixel Centre(BoardCell cell) const {
        return {left + CellSize * cell.col + CellSize / 2, top + CellSize * cell.row + CellSize / 2};
    }
    int Cells() const { return columns * rows; }
};

// The board of a room that may measure up to n x n fields, n x n centred on
// the point (150, 205) of the room: the layout of every square board whose
// size changes with the level.
inline BoardGeometry CentredSquareBoard(int n) {
    const int left = 150 - 16 * n;
    return {left, left + 55, n, n};
}

}  // namespace tarnwick
