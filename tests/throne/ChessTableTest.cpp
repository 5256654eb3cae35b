// SPDX-License-Identifier: GPL-3.0-or-later
// The shape table the pictures and the rules share, and the check of the
// assembled board.
#include <algorithm>
#include <set>
#include <tuple>

#include "TableFixture.h"

namespace tarnwick {
namespace {

using ChessTableTest = TableTest;

// The squares of a piece in one turn, moved into the box's top-left corner.
std::set<std::tuple<int, int, int>> Squares(int piece, int turn, bool turnedClockwise) {
    std::set<std::tuple<int, int, int>> squares;
    int top = PieceBox;
    int left = PieceBox;
    for (int row = 0; row < PieceBox; ++row)
        for (int col = 0; col < PieceBox; ++col) {
            const int square = PieceSquareAt(piece, turn, row, col);
            if (square == EmptySquare) continue;
            // A quarter turn clockwise carries (row, col) to (col, 3 - row).
            const int r = turnedClockwise ? col : row;
            const int c = turnedClockwise ? 3 - row : col;
            top = std::min(top, r);
            left = std::min(left, c);
            squares.insert({r, c, square});
        }
    std::set<std::tuple<int, int, int>> moved;
    for (const auto& [r, c, square] : squares) moved.insert({r - top, c - left, square});
    return moved;
}

TEST_F(ChessTableTest, ShapesAreChequeredAndTurnClockwise) {
    int light = 0;
    int dark = 0;
    for (int piece = 1; piece <= PieceCount; ++piece) {
        for (int turn = 0; turn < 4; ++turn) {
            EXPECT_EQ(Squares(piece, turn, true), Squares(piece, (turn + 1) % 4, false))
                << "piece " << piece << " turn " << turn;
            std::set<int> parities;
            for (const auto& [r, c, square] : Squares(piece, turn, false)) {
                parities.insert((r + c + square) % 2);
                if (turn == 0) (square == LightSquare ? light : dark)++;
            }
            EXPECT_EQ(parities.size(), 1u) << "piece " << piece << " turn " << turn;
        }
    }
    EXPECT_EQ(light, 32);
    EXPECT_EQ(dark, 32);
}

TEST_F(ChessTableTest, BoardCheckLooksOnlyAtTheFirstCoveredCell) {
    EXPECT_EQ(CheckChessBoard(table), BoardCheck::Undecided);  // nothing on the table
    Put(11, 0, 0, 0);
    EXPECT_EQ(CheckChessBoard(table), BoardCheck::Incomplete);
    Put(11, 0, 13, 0);  // first cell right of column 12
    EXPECT_EQ(CheckChessBoard(table), BoardCheck::Undecided);
    Put(11, 0, 2, 8);  // first cell below row 7
    EXPECT_EQ(CheckChessBoard(table), BoardCheck::Undecided);
}

TEST_F(ChessTableTest, PiecesStickingOffTheTableAreSafelyIgnored) {
    // A piece turned in hand keeps its old place until put down, so its
    // squares may for a while reach past the table's edge.
    Put(3, 1, 18, 12);
    Put(5, 0, 0, 0);
    EXPECT_EQ(CheckChessBoard(table), BoardCheck::Incomplete);
    EXPECT_FALSE(PlaceIsFree(table, 3, 1, 18, 12));
}

}  // namespace
}  // namespace tarnwick
