// SPDX-License-Identifier: GPL-3.0-or-later
// Placing a newly won piece: random draws of place and turn until the piece
// fits, and an end to the drawing however crowded the table is.
#include "TableFixture.h"

namespace tarnwick {
namespace {

using PlacePieceTest = TableTest;

TEST_F(PlacePieceTest, DrawsColumnRowAndTurnUntilThePieceFits) {
    Put(11, 0, 0, 0);  // 212. / 121.
    // First draw: piece 10 in turn 0 at (0, 0) would cover (2, 0), (1, 1)
    // and (2, 1), which piece 11 holds. The second draw fits.
    ScriptedRandom random({0, 0, 0, 17, 12, 2});
    PlacePiece(table, 10, random);
    EXPECT_EQ(table.PieceCol[10], 17);
    EXPECT_EQ(table.PieceRow[10], 12);
    EXPECT_EQ(table.PieceTurn[10], 2);
    EXPECT_EQ(random.asked, (std::vector<int>{18, 13, 4, 18, 13, 4}));
}

TEST_F(PlacePieceTest, RefusesPlacesOverTheEdge) {
    // Piece 3 in turn 0 reaches box column 3: from column 17 it would cover
    // column 20.
    ScriptedRandom random({17, 0, 0, 16, 0, 0});
    PlacePiece(table, 3, random);
    EXPECT_EQ(table.PieceCol[3], 16);
}

TEST_F(PlacePieceTest, EndsEvenWhenChanceKeepsMissing) {
    Put(8, 0, 0, 0);
    // A generator that always answers 0 keeps drawing a place piece 8
    // already covers; the free places are then counted out instead.
    ScriptedRandom stuck({}, 0);
    PlacePiece(table, 11, stuck);
    EXPECT_TRUE(PieceWon(table, 11));
    EXPECT_TRUE(TableIsSound());
}

TEST_F(PlacePieceTest, WinningEveryPieceInAnyOrderNeverOverlaps) {
    SeededRandom random(20261207);
    for (int round = 0; round < 200; ++round) {
        ClearTable();
        // Loading a game places the pieces in turn while the old game's
        // pieces still lie about; start from such a table half the time.
        if (round % 2 == 1) {
            for (int piece = 1; piece <= PieceCount; ++piece) PlacePiece(table, piece, random);
            for (int piece = 1; piece <= PieceCount; ++piece)
                if (random.Next(3) == 0) table.PieceTurn[piece] = -1;
        }
        int order[PieceCount];
        for (int i = 0; i < PieceCount; ++i) order[i] = i + 1;
        for (int i = PieceCount - 1; i > 0; --i) std::swap(order[i], order[random.Next(i + 1)]);
        for (int piece : order) PlacePiece(table, piece, random);
        ASSERT_TRUE(TableIsSound()) << "round " << round;
    }
}

TEST_F(PlacePieceTest, SpreadingOutSeparatesEveryPiece) {
    for (int piece = 1; piece <= PieceCount; ++piece) Put(piece, piece % 4, 3, 3);
    SpreadWonPieces(table);
    EXPECT_TRUE(TableIsSound());
    EXPECT_EQ(table.PieceCol[12], 4);
    EXPECT_EQ(table.PieceRow[12], 8);
    EXPECT_EQ(table.PieceTurn[12], 0);
}

}  // namespace
}  // namespace tarnwick
