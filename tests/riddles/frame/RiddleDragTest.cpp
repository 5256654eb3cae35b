// SPDX-License-Identifier: GPL-3.0-or-later
// What every drag room shares: the field under the mouse, lifting a ball
// into the hand, and the steps a drop reports.
#include <gtest/gtest.h>

#include "riddles/balls/EntanglingRules.h"

namespace tarnwick {
namespace {

TEST(RiddleDrag, OnlyPointsOnTheBoardHitAField) {
    EntanglingRules room;
    room.InitLevel(1);
    const BoardGeometry& board = room.Geometry();
    EXPECT_EQ(board.CellAt(70, 140), (BoardCell{0, 0}));
    EXPECT_EQ(board.CellAt(229, 267), (BoardCell{4, 3}));
    EXPECT_FALSE(board.CellAt(60, 150));   // left of the board, where dividing gives column 0
    EXPECT_FALSE(board.CellAt(100, 139));  // just above row 0
    EXPECT_FALSE(board.CellAt(230, 150));  // just right of column 4
    EXPECT_FALSE(board.CellAt(100, 268));  // just below row 3
    const auto point = board.PointAt(70 + 32 + 31, 140 + 5);
    ASSERT_TRUE(point);
    EXPECT_EQ(point->cell, (BoardCell{1, 0}));
    EXPECT_EQ(point->dx, 31);
    EXPECT_EQ(point->dy, 5);
    EXPECT_EQ(CentredSquareBoard(8).left, 22);
    EXPECT_EQ(CentredSquareBoard(8).top, 77);
}

TEST(RiddleDrag, OneBallInHandUntilDroppedOrReset) {
    EntanglingRules room;
    room.InitLevel(1);
    EXPECT_EQ(room.Lift({1, 1}), 0);  // empty field
    EXPECT_TRUE(room.Drop(BoardCell{1, 2}).empty());

    ASSERT_EQ(room.Lift({0, 1}), EntanglingRules::Red);
    EXPECT_EQ(room.DragKind(), EntanglingRules::Red);
    EXPECT_EQ(room.Cell({0, 1}), 0);
    EXPECT_EQ(room.Lift({0, 3}), 0);  // one ball at a time
    // Released off the board: cue 8, the hand lets go, the ball is back.
    EXPECT_EQ(room.Drop(std::nullopt),
              (Steps{steps::PlayCue(8), steps::Hand(), steps::Cell({0, 1})}));
    EXPECT_EQ(room.Cell({0, 1}), EntanglingRules::Red);

    // Its own field counts as empty: putting it back is a move, judged.
    ASSERT_NE(room.Lift({0, 1}), 0);
    EXPECT_EQ(room.Drop(BoardCell{0, 1}),
              (Steps{steps::PlayCue(9), steps::Hand(), steps::Cell({0, 1}), steps::Judge()}));
    EXPECT_EQ(room.Cell({0, 1}), EntanglingRules::Red);

    ASSERT_NE(room.Lift({4, 3}), 0);
    room.InitLevel(room.Level());
    EXPECT_EQ(room.DragKind(), 0);
    EXPECT_EQ(room.Cell({4, 3}), EntanglingRules::Blue);
}

}  // namespace
}  // namespace tarnwick
