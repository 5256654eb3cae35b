// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A search for every way to lay the twelve pieces into an 8 x 8 chess
// board, and where each piece then lies on the table.
#include <set>
#include <vector>

#include "state/Game.h"
#include "throne/ChessTable.h"
#include "throne/PieceShapes.h"

namespace tarnwick::testing {

struct Square {
    int row, col, colour;
    auto operator<=>(const Square&) const = default;
};

// One way a piece can lie: its squares measured from the first of them
// (topmost, then leftmost), and a turn that gives it.
struct Shape {
    int turn;
    int anchorRow, anchorCol;  // the first square's cell in the box
    std::vector<Square> squares;
};

inline std::vector<Shape> DistinctShapes(int piece) {
    std::vector<Shape> shapes;
    std::set<std::vector<Square>> seen;
    for (int turn = 0; turn < 4; ++turn) {
        Shape shape{turn, -1, -1, {}};
        for (int row = 0; row < PieceBox; ++row)
            for (int col = 0; col < PieceBox; ++col) {
                const int colour = PieceSquareAt(piece, turn, row, col);
                if (colour == EmptySquare) continue;
                if (shape.anchorRow < 0) {
                    shape.anchorRow = row;
                    shape.anchorCol = col;
                }
                shape.squares.push_back({row - shape.anchorRow, col - shape.anchorCol, colour});
            }
        if (seen.insert(shape.squares).second) shapes.push_back(shape);
    }
    return shapes;
}

struct Placement {
    int piece, shape, row, col;  // board cell of the shape's first square
};

class BoardSearch {
public:
    explicit BoardSearch(int cornerColour) : corner_(cornerColour) {
        for (int piece = 1; piece <= PieceCount; ++piece) shapes_[piece] = DistinctShapes(piece);
        Fill();
    }
    std::vector<std::vector<Placement>> boards;
    const Shape& ShapeOf(const Placement& p) const { return shapes_[p.piece][p.shape]; }

private:
    int ColourAt(int row, int col) const { return (row + col + corner_ + 1) % 2 + 1; }

    void Fill() {
        int cell = 0;
        while (cell < 64 && filled_[cell / 8][cell % 8] != 0) ++cell;
        if (cell == 64) {
            boards.push_back(laid_);
            return;
        }
        const int row = cell / 8;
        const int col = cell % 8;
        for (int piece = 1; piece <= PieceCount; ++piece) {
            if (used_[piece]) continue;
            for (int s = 0; s < static_cast<int>(shapes_[piece].size()); ++s) {
                const Shape& shape = shapes_[piece][s];
                if (!Fits(shape, row, col)) continue;
                Mark(shape, row, col, piece);
                used_[piece] = true;
                laid_.push_back({piece, s, row, col});
                Fill();
                laid_.pop_back();
                used_[piece] = false;
                Mark(shape, row, col, 0);
            }
        }
    }
    bool Fits(const Shape& shape, int row, int col) const {
        for (const Square& q : shape.squares) {
            const int r = row + q.row;
            const int c = col + q.col;
            if (r < 0 || r >= 8 || c < 0 || c >= 8 || filled_[r][c] != 0) return false;
            if (q.colour != ColourAt(r, c)) return false;
        }
        return true;
    }
    void Mark(const Shape& shape, int row, int col, int piece) {
        for (const Square& q : shape.squares) filled_[row + q.row][col + q.col] = piece;
    }

    int corner_;
    std::vector<Shape> shapes_[PieceCount + 1];
    int filled_[8][8] = {};
    bool used_[PieceCount + 1] = {};
    std::vector<Placement> laid_;
};

// Lays a found board on the table with its top-left corner at (col, row).
inline void LayOnTable(PieceTable& table, const BoardSearch& search, const std::vector<Placement>& board, int col, int row) {
    for (const Placement& p : board) {
        const Shape& shape = search.ShapeOf(p);
        table.PieceTurn[p.piece] = shape.turn;
        table.PieceCol[p.piece] = col + p.col - shape.anchorCol;
        table.PieceRow[p.piece] = row + p.row - shape.anchorRow;
    }
}

}  // namespace tarnwick::testing
