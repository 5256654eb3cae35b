// The drag protocol every drag riddle shares: the field under the mouse,
// lifting a ball into the hand and dropping it again.
#include <gtest/gtest.h>

#include "riddles/EntanglingRules.h"

namespace tarnwick {
namespace {

TEST(RiddleDrag, OnlyPointsOnTheBoardHitAField) {
    EntanglingRules room;
    room.InitLevel(1);
    EXPECT_EQ(room.CellAt(70, 140), (BoardCell{0, 0}));
    EXPECT_EQ(room.CellAt(229, 267), (BoardCell{4, 3}));
    EXPECT_FALSE(room.CellAt(60, 150));   // left of the board, where dividing gives column 0
    EXPECT_FALSE(room.CellAt(100, 139));  // just above row 0
    EXPECT_FALSE(room.CellAt(230, 150));  // just right of column 4
    EXPECT_FALSE(room.CellAt(100, 268));  // just below row 3
}

TEST(RiddleDrag, OneBallInHandUntilDroppedOrReset) {
    EntanglingRules room;
    room.InitLevel(1);
    EXPECT_FALSE(room.Lift({1, 1}));  // empty field
    EXPECT_EQ(room.Drop(BoardCell{1, 2}), DropOutcome::NothingInHand);

    ASSERT_TRUE(room.Lift({0, 1}));
    EXPECT_EQ(room.DragKind(), EntanglingRules::Red);
    EXPECT_EQ(room.Cell({0, 1}), 0);
    EXPECT_FALSE(room.Lift({0, 3}));
    EXPECT_EQ(room.Drop(std::nullopt), DropOutcome::Refused);  // released off the board
    EXPECT_EQ(room.Cell({0, 1}), EntanglingRules::Red);

    // Its own field counts as empty: putting it back is a move.
    ASSERT_TRUE(room.Lift({0, 1}));
    EXPECT_EQ(room.Drop(BoardCell{0, 1}), DropOutcome::Accepted);
    EXPECT_EQ(room.Cell({0, 1}), EntanglingRules::Red);

    ASSERT_TRUE(room.Lift({4, 3}));
    room.InitLevel(room.Level());
    EXPECT_EQ(room.DragKind(), 0);
    EXPECT_EQ(room.Cell({4, 3}), EntanglingRules::Blue);
}

}  // namespace
}  // namespace tarnwick
