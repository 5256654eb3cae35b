// SPDX-License-Identifier: GPL-3.0-or-later
// Carrying a piece: picking it up by one of its squares, turning it in hand
// and putting it down only where it fits.
#include "TableFixture.h"
#include "throne/ChessHand.h"

namespace tarnwick {
namespace {

using ChessHandTest = TableTest;

TEST_F(ChessHandTest, PickUpAndPutDownByTheGrabbedCell) {
    Put(11, 0, 5, 5);  // 212. / 121.
    ChessHand hand(table);
    EXPECT_FALSE(hand.PickUp(4, 5));  // nothing there
    EXPECT_FALSE(hand.PickUp(8, 5));  // an empty cell of the box
    ASSERT_TRUE(hand.PickUp(6, 6));
    EXPECT_EQ(hand.Held(), 11);
    EXPECT_EQ(hand.GrabCol, 1);
    EXPECT_EQ(hand.GrabRow, 1);
    EXPECT_EQ(table.PieceCol[11], 5);  // keeps its place until put down
    EXPECT_FALSE(hand.PickUp(6, 6));  // one piece at a time

    ASSERT_TRUE(hand.PutDown(10, 3));
    EXPECT_EQ(hand.Held(), 0);
    EXPECT_EQ(table.PieceCol[11], 9);
    EXPECT_EQ(table.PieceRow[11], 2);

    // Putting it back where it came from is allowed.
    ASSERT_TRUE(hand.PickUp(9, 2));
    EXPECT_TRUE(hand.PutDown(9, 2));
    EXPECT_EQ(table.PieceCol[11], 9);
}

TEST_F(ChessHandTest, PutDownOffTheTableOrOntoAPieceKeepsItInHand) {
    Put(11, 0, 0, 0);  // 212. / 121.
    Put(8, 0, 10, 10);  // .2.. / 212. / .2..
    ChessHand hand(table);
    ASSERT_TRUE(hand.PickUp(0, 0));
    EXPECT_FALSE(hand.PutDown(18, 0));  // third column would be column 20
    EXPECT_FALSE(hand.PutDown(0, 14));  // second row would be row 15
    EXPECT_FALSE(hand.PutDown(-1, 0));
    EXPECT_FALSE(hand.PutDown(9, 11));  // onto piece 8's middle
    EXPECT_EQ(hand.Held(), 11);
    EXPECT_EQ(table.PieceCol[11], 0);
    // Only squares count: the empty corner of piece 8's box is free, and
    // the box of piece 11 may hang over the edge where it is empty.
    ASSERT_TRUE(hand.PutDown(8, 9));
    ASSERT_TRUE(hand.PickUp(8, 9));
    EXPECT_TRUE(hand.PutDown(17, 13));
    EXPECT_EQ(table.PieceCol[11], 17);
}

TEST_F(ChessHandTest, TurningWorksAtTheEdgeAndKeepsTheGrabbedCell) {
    Put(3, 0, 16, 0);  // .... / 1212 / ...1 / ....
    ChessHand hand(table);
    ASSERT_TRUE(hand.PickUp(19, 1));  // box cell (3, 1)
    ASSERT_TRUE(hand.Turn());
    EXPECT_EQ(table.PieceTurn[3], 3);  // counter-clockwise: .21. / .1.. / .2.. / .1..
    ASSERT_TRUE(hand.Turn());
    EXPECT_EQ(table.PieceTurn[3], 2);
    ASSERT_TRUE(hand.Turn());
    ASSERT_TRUE(hand.Turn());
    ASSERT_TRUE(hand.Turn());
    EXPECT_EQ(table.PieceTurn[3], 3);
    // The grabbed box cell (3, 1) is now empty; the box still goes by it.
    EXPECT_FALSE(hand.PutDown(19, 14));  // box rows 13..16 would leave the table
    ASSERT_TRUE(hand.PutDown(19, 11));
    EXPECT_EQ(table.PieceCol[3], 16);
    EXPECT_EQ(table.PieceRow[3], 10);
}

TEST_F(ChessHandTest, APieceTakenAwayByANewGameLeavesTheHand) {
    Put(4, 2, 0, 0);
    Put(6, 1, 8, 8);
    ChessHand hand(table);
    ASSERT_TRUE(hand.PickUp(0, 0));
    table.PieceTurn[4] = -1;  // a new game, or a loaded one where room 4 is unsolved
    EXPECT_EQ(hand.Held(), 0);
    EXPECT_FALSE(hand.Turn());
    EXPECT_FALSE(hand.PutDown(3, 3));
    EXPECT_EQ(table.PieceTurn[4], -1);
    EXPECT_EQ(hand.HeldPiece, 0);
    EXPECT_FALSE(hand.PickUp(0, 0));  // an absent piece cannot be hit
    EXPECT_TRUE(hand.PickUp(10, 9));
    EXPECT_EQ(hand.Held(), 6);
}

}  // namespace
}  // namespace tarnwick
