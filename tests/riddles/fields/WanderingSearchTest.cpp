// SPDX-License-Identifier: GPL-3.0-or-later
// Walks through the room of wandering found through its rules: every level
// can be solved under its line rule, and walks that break the line rule are
// not judged solved.
#include <gtest/gtest.h>

#include "riddles/fields/WanderingSearch.h"

namespace tarnwick {
namespace {


constexpr long Budget = 2000000;

// Plays the walk on a fresh room of the level and returns the verdict
// after its last move; every click of it must be a move.
Verdict Play(int level, const std::vector<BoardCell>& clicks) {
    WanderingRules room;
    room.InitLevel(level);
    for (BoardCell cell : clicks) {
        const Steps steps = room.Click({cell, 16, 16});
        EXPECT_FALSE(steps.empty());
        EXPECT_EQ(steps.back(), steps::Judge());
        if (room.MovesLeft() > 0) {
            EXPECT_EQ(room.Judge(), Verdict::Unsolved);
        }
    }
    EXPECT_EQ(room.MovesLeft(), 0);
    EXPECT_EQ(room.FieldsLeft(), 1);
    return room.Judge();
}

std::optional<std::vector<BoardCell>> Walk(int level, LineWish wish, long* positions = nullptr) {
    WanderingRules room;
    room.InitLevel(level);
    const WalkSearch search = FindWalk(room, wish, Budget);
    if (positions) *positions = search.positions;
    EXPECT_NE(search.result, WalkSearch::GaveUp);
    if (search.result != WalkSearch::Found) return std::nullopt;
    return search.clicks;
}

TEST(WanderingSearch, EveryLevelCanBeSolvedUnderItsLineRule) {
    for (int level = 1; level <= 3; ++level) {
        long positions = 0;
        const auto walk = Walk(level, {level == 3 ? 11 : LineWish::AnyMove}, &positions);
        ASSERT_TRUE(walk) << "level " << level << " after " << positions << " positions";
        EXPECT_EQ(Play(level, *walk), Verdict::Solved) << "level " << level;
    }
}

TEST(WanderingSearch, AWalkThatNeverCrossesTheYellowLineIsNotSolved) {
    const auto walk = Walk(2, {LineWish::Never});
    ASSERT_TRUE(walk);
    EXPECT_EQ(Play(2, *walk), Verdict::Unsolved);
}

// Only the move made with 11 moves left may cross the turquoise line. No
// walk that clears the board crosses it with 12 left (the search of every
// walk finds none); one that crosses it with 17 left clears the board but
// is not solved.
TEST(WanderingSearch, CrossingTheTurquoiseLineAtAnotherMoveIsNotSolved) {
    long positions = 0;
    EXPECT_FALSE(Walk(3, {12}, &positions));
    EXPECT_LE(positions, Budget);
    const auto walk = Walk(3, {17});
    ASSERT_TRUE(walk);
    EXPECT_EQ(Play(3, *walk), Verdict::Unsolved);
}

}  // namespace
}  // namespace tarnwick
