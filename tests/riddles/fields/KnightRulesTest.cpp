// SPDX-License-Identifier: GPL-3.0-or-later
// The knight's room: the dealt start, the jump rule and the steps a jump
// reports.
#include <gtest/gtest.h>

#include "riddles/fields/KnightRules.h"
#include "support/FakeTime.h"

namespace tarnwick {
namespace {

using testing::ScriptedRandom;

TEST(KnightRules, EachLevelDealsItsBoardCentredInTheRoom) {
    ScriptedRandom dice({4, 1, 5, 5, 0, 6});
    KnightRules room(dice);
    const struct {
        int level, left, top, n;
        BoardCell ball;
    } expected[] = {{1, 70, 125, 5, {4, 1}}, {2, 54, 109, 6, {5, 5}}, {3, 38, 93, 7, {0, 6}}};
    for (const auto& e : expected) {
        room.InitLevel(e.level);
        const BoardGeometry& g = room.Geometry();
        EXPECT_EQ(g.left, e.left);
        EXPECT_EQ(g.top, e.top);
        EXPECT_EQ(g.columns, e.n);
        EXPECT_EQ(g.rows, e.n);
        EXPECT_EQ(room.FieldsLeft(), e.n * e.n);
        EXPECT_EQ(room.Ball(), e.ball);
    }
    // Column first, then row, each drawn from 0..n-1.
    EXPECT_EQ(dice.ranges, (std::vector<int>{5, 5, 6, 6, 7, 7}));
    // A level out of range lays the nearest board.
    room.InitLevel(9);
    EXPECT_EQ(room.Geometry().columns, 7);
    room.InitLevel(0);
    EXPECT_EQ(room.Geometry().columns, 5);
}

TEST(KnightRules, OnlyAKnightsJumpOntoAPresentFieldIsAMove) {
    ScriptedRandom dice({2, 2});
    KnightRules room(dice);
    room.InitLevel(1);
    const Steps refused{steps::PlayCue(8)};
    EXPECT_EQ(room.Click({{2, 2}, 5, 5}), refused);  // its own field
    EXPECT_EQ(room.Click({{3, 2}, 5, 5}), refused);  // a neighbour
    EXPECT_EQ(room.Click({{3, 3}, 5, 5}), refused);  // diagonal
    EXPECT_EQ(room.Click({{4, 4}, 5, 5}), refused);
    EXPECT_EQ(room.Click({{2, 0}, 5, 5}), refused);
    EXPECT_EQ(room.FieldsLeft(), 25);
    EXPECT_EQ(room.Ball(), (BoardCell{2, 2}));

    EXPECT_EQ(room.Click({{4, 3}, 0, 31}),
              (Steps{steps::PlayCue(9), steps::Cell({2, 2}), steps::Cell({4, 3}), steps::Judge()}));
    EXPECT_EQ(room.Ball(), (BoardCell{4, 3}));
    EXPECT_FALSE(room.FieldThere({2, 2}));
    EXPECT_EQ(room.FieldsLeft(), 24);
    EXPECT_EQ(room.Judge(), Verdict::Unsolved);

    // Back onto the vanished field: silently nothing.
    EXPECT_EQ(room.Click({{2, 2}, 5, 5}), Steps{});
    ASSERT_FALSE(room.Click({{3, 1}, 5, 5}).empty());
    ASSERT_FALSE(room.Click({{1, 0}, 5, 5}).empty());
    EXPECT_EQ(room.Click({{2, 2}, 5, 5}), Steps{});  // a jump away, but gone
    EXPECT_EQ(room.FieldsLeft(), 22);
}

TEST(KnightRules, AResetBringsEveryFieldBackAndDealsAgain) {
    ScriptedRandom dice({0, 0, 6, 5});
    KnightRules room(dice);
    room.InitLevel(3);
    ASSERT_FALSE(room.Click({{1, 2}, 0, 0}).empty());
    room.InitLevel(room.Level());
    EXPECT_EQ(room.FieldsLeft(), 49);
    EXPECT_EQ(room.Ball(), (BoardCell{6, 5}));
}

}  // namespace
}  // namespace tarnwick
