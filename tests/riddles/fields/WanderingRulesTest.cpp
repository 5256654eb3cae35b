// SPDX-License-Identifier: GPL-3.0-or-later
// The room of wandering: the levels, the slide and the steps it reports,
// the moves that are ignored, the line and the verdict.
#include <gtest/gtest.h>

#include "riddles/fields/WanderingRules.h"

namespace tarnwick {
namespace {

Steps Click(WanderingRules& room, BoardCell cell) { return room.Click({cell, 3, 30}); }

// The steps of one slide of `cells` fields from `from` in direction (dc, dr).
Steps Slide(BoardCell from, int dc, int dr, int cells) {
    Steps expected;
    for (int i = 1; i <= cells; ++i) {
        const BoardCell left{from.col + dc * (i - 1), from.row + dr * (i - 1)};
        const BoardCell next{from.col + dc * i, from.row + dr * i};
        expected.insert(expected.end(), {steps::PlayCue(9), steps::Frame(i - 1), steps::Cell(next),
                                         steps::Cell(left), steps::Wait(50)});
    }
    expected.insert(expected.end(), {steps::PlayCue(8), steps::Extras(), steps::Judge()});
    return expected;
}

TEST(WanderingRules, EachStepOfASlideShowsTheBallWhereItIsThen) {
    WanderingRules room;
    room.InitLevel(1);
    ASSERT_EQ(Click(room, {0, 5}), Slide({0, 1}, 0, 1, 4));
    for (int moment = 0; moment < 4; ++moment) {
        const int row = 2 + moment;  // the ball has slid moment + 1 fields
        EXPECT_EQ(room.BallAt(moment), (BoardCell{0, row}));
        EXPECT_FALSE(room.FieldThereAt(moment, {0, row - 1}));
        for (int ahead = row + 1; ahead <= 5; ++ahead) EXPECT_TRUE(room.FieldThereAt(moment, {0, ahead}));
    }
    // Outside the slide's moments, the board as it stands.
    EXPECT_EQ(room.BallAt(-1), (BoardCell{0, 5}));
    EXPECT_FALSE(room.FieldThereAt(-1, {0, 3}));
}

TEST(WanderingRules, EachLevelStartsWithItsBallGemsAndLine) {
    WanderingRules room;
    const struct {
        BoardCell ball, white;
        int moves;
        bool line;
    } expected[] = {{{0, 1}, {6, 6}, 21, false}, {{5, 7}, {4, 7}, 15, true}, {{1, 0}, {7, 7}, 21, true}};
    for (int level = 1; level <= 3; ++level) {
        room.InitLevel(level);
        const auto& e = expected[level - 1];
        EXPECT_EQ(room.Geometry().left, 22);
        EXPECT_EQ(room.Geometry().top, 60);
        EXPECT_EQ(room.FieldsLeft(), 64);
        EXPECT_EQ(room.Ball(), e.ball);
        EXPECT_EQ(room.WhiteField(), e.white);
        EXPECT_EQ(room.MovesLeft(), e.moves);
        EXPECT_EQ(room.Moves(), e.moves);
        EXPECT_EQ(room.LevelLine().has_value(), e.line);
        EXPECT_EQ(room.LineCrossedAt(), WanderingRules::NotCrossed);
        EXPECT_EQ(room.RulesMessages().size(), level == 1 ? 2u : 3u);
    }
    room.InitLevel(2);
    EXPECT_EQ(room.LevelLine()->west, (BoardCell{3, 3}));
    EXPECT_EQ(room.LevelLine()->crossAt, 0);
    room.InitLevel(3);
    EXPECT_EQ(room.LevelLine()->west, (BoardCell{2, 0}));
    EXPECT_EQ(room.LevelLine()->crossAt, 11);
}

TEST(WanderingRules, TheBallSlidesCellByCellAndTheFieldsVanishBehindIt) {
    WanderingRules room;
    room.InitLevel(1);
    EXPECT_EQ(Click(room, {0, 5}), Slide({0, 1}, 0, 1, 4));
    EXPECT_EQ(room.Ball(), (BoardCell{0, 5}));
    EXPECT_EQ(room.MovesLeft(), 20);
    for (int r = 1; r <= 4; ++r) EXPECT_FALSE(room.FieldThere({0, r}));
    EXPECT_TRUE(room.FieldThere({0, 0}));
    EXPECT_EQ(room.FieldsLeft(), 60);

    EXPECT_EQ(Click(room, {7, 5}), Slide({0, 5}, 1, 0, 7));
    EXPECT_EQ(Click(room, {7, 2}), Slide({7, 5}, 0, -1, 3));
    EXPECT_EQ(room.MovesLeft(), 18);
    EXPECT_EQ(room.Judge(), Verdict::Unsolved);
}

TEST(WanderingRules, ClicksThatBreakTheMoveRuleAreIgnoredSilently) {
    WanderingRules room;
    room.InitLevel(1);
    ASSERT_FALSE(Click(room, {0, 3}).empty());  // (0,1) and (0,2) are gone
    EXPECT_EQ(Click(room, {0, 3}), Steps{});  // its own field
    EXPECT_EQ(Click(room, {2, 5}), Steps{});  // diagonal
    EXPECT_EQ(Click(room, {0, 2}), Steps{});  // vanished
    EXPECT_EQ(Click(room, {0, 0}), Steps{});  // beyond the gap
    ASSERT_FALSE(Click(room, {4, 3}).empty());
    ASSERT_FALSE(Click(room, {4, 0}).empty());
    EXPECT_EQ(Click(room, {4, 6}), Steps{});  // down column 4 past the vanished (4,3)
    EXPECT_EQ(room.MovesLeft(), 18);
}

TEST(WanderingRules, WhenTheGemsAreUsedUpTheBoardIsFrozen) {
    WanderingRules room;
    room.InitLevel(2);
    // Fifteen short moves back and forth over fresh fields of the left half.
    const BoardCell walk[] = {{5, 6}, {4, 6}, {4, 5}, {5, 5}, {5, 4}, {4, 4}, {3, 4}, {3, 5},
                              {3, 6}, {3, 7}, {2, 7}, {2, 6}, {2, 5}, {2, 4}, {2, 3}};
    for (BoardCell cell : walk) ASSERT_FALSE(Click(room, cell).empty());
    EXPECT_EQ(room.MovesLeft(), 0);
    EXPECT_EQ(Click(room, {1, 3}), Steps{});
    EXPECT_EQ(room.Ball(), (BoardCell{2, 3}));
    EXPECT_EQ(room.Judge(), Verdict::Unsolved);
}

TEST(WanderingRules, OnlyAStepOverTheLineCrossesIt) {
    WanderingRules room;
    room.InitLevel(2);
    ASSERT_FALSE(Click(room, {5, 3}).empty());  // up column 5 to the line's row
    EXPECT_EQ(room.LineCrossedAt(), WanderingRules::NotCrossed);
    ASSERT_FALSE(Click(room, {1, 3}).empty());  // west along row 3, over the line
    EXPECT_EQ(room.LineCrossedAt(), 14);        // the moves left before this move
    EXPECT_FALSE(room.FieldThere({3, 3}));

    room.InitLevel(3);
    ASSERT_FALSE(Click(room, {1, 1}).empty());
    ASSERT_FALSE(Click(room, {2, 1}).empty());
    ASSERT_FALSE(Click(room, {2, 0}).empty());  // vertical, onto the line's west field
    EXPECT_EQ(room.LineCrossedAt(), WanderingRules::NotCrossed);
    ASSERT_FALSE(Click(room, {3, 0}).empty());  // east over it
    EXPECT_EQ(room.LineCrossedAt(), 18);
}

}  // namespace
}  // namespace tarnwick
