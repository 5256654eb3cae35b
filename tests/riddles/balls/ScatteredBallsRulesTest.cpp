// SPDX-License-Identifier: GPL-3.0-or-later
// The rooms of restriction and loneliness: the random deal, the lines the
// solved test counts, and for every level a few hundred deals, each spread
// out into a solved position by accepted drops.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "riddles/balls/LonelinessRules.h"
#include "riddles/balls/RestrictionRules.h"
#include "riddles/balls/ScatteredBallsSolver.h"
#include "support/FakeTime.h"

namespace tarnwick {
namespace {

// Puts balls on exactly these fields and nowhere else.
void Place(BallBoardRules& rules, const std::vector<BoardCell>& balls) {
    const int n = rules.Geometry().columns;
    std::vector<int> values(static_cast<std::size_t>(n * n), 0);
    for (BoardCell ball : balls) values.at(ball.row * n + ball.col) = 1;
    rules.SetValues(values);
}

// Plays the placement moves into the goal; the number of accepted drops it
// took, -1 when a drop was refused or the room was not solved at the end.
int PlayInto(BallBoardRules& rules, const std::vector<BoardCell>& goal) {
    const std::vector<DragMove> moves = PlacementMoves(rules, goal);
    if (moves.empty()) return -1;
    Steps last;
    for (const auto& [from, to] : moves) {
        if (rules.Lift(from) == 0) return -1;
        last = rules.Drop(to);
        if (last.front() != steps::PlayCue(CueAccepted)) return -1;
    }
    return last.back() == steps::Judge() && rules.Judge() == Verdict::Solved ? static_cast<int>(moves.size()) : -1;
}

// 200 seeded deals of every level: each has `perRow` balls for every row
// on distinct fields of the level's n x n board, centred in the room, and
// each is played into the solved position nearest to it, which is never
// further than the nearest position of another deal.
template <typename Rules>
void EveryDealCanBeSolved(int perRow, std::array<int, 3> sizes) {
    for (int level = 1; level <= 3; ++level) {
        SeededRandom search(1);
        Rules finder(search);
        finder.InitLevel(level);
        const std::vector<BoardCell> goal = NearestSolvedPosition(finder);
        const int n = sizes[level - 1];
        ASSERT_EQ(static_cast<int>(goal.size()), perRow * n);
        int most = 0;
        for (int seed = 0; seed < 200; ++seed) {
            SeededRandom random(seed);
            Rules rules(random);
            rules.InitLevel(level);
            const BoardGeometry& g = rules.Geometry();
            ASSERT_EQ(g.columns, n);
            ASSERT_EQ(g.rows, n);
            ASSERT_EQ(g.left, 150 - 16 * n);
            ASSERT_EQ(g.top, g.left + 55);
            ASSERT_EQ(static_cast<int>(rules.Values().size()), n * n);
            ASSERT_EQ(rules.Balls(), perRow * n) << "seed " << seed;
            for (int value : rules.Values()) ASSERT_TRUE(value == 0 || value == Rules::Ball);
            Rules other = rules;
            const int viaGoal = PlayInto(other, goal);
            ASSERT_GT(viaGoal, 0) << "level " << level << " seed " << seed;
            const int moves = PlayInto(rules, NearestSolvedPosition(rules));
            ASSERT_GT(moves, 0) << "level " << level << " seed " << seed;
            EXPECT_LE(moves, viaGoal) << "level " << level << " seed " << seed;
            most = std::max(most, moves);
        }
        std::printf("level %d (%d x %d): every deal solved in at most %d drops\n", level, n, n, most);
    }
}

TEST(RestrictionRules, EveryDealCanBeSolved) { EveryDealCanBeSolved<RestrictionRules>(2, {4, 6, 8}); }
TEST(LonelinessRules, EveryDealCanBeSolved) { EveryDealCanBeSolved<LonelinessRules>(1, {5, 6, 8}); }

TEST(ScatteredBalls, TheDealDrawsAColumnThenARowAndSkipsTakenFields) {
    // (2, 1), then (2, 1) again (taken: drawn anew), then (0, 3), ...
    testing::ScriptedRandom random({2, 1, 2, 1, 0, 3, 4, 4, 1, 0});
    LonelinessRules rules(random);
    rules.InitLevel(1);
    EXPECT_EQ(rules.BallCells(), (std::vector<BoardCell>{{0, 0}, {1, 0}, {2, 1}, {0, 3}, {4, 4}}));
    EXPECT_EQ(random.ranges, std::vector<int>(12, 5));
    // Once the script runs dry it answers (0, 0) forever; the fifth ball
    // still finds a field instead of the deal hanging.
    testing::ScriptedRandom stuck;
    RestrictionRules crowded(stuck);
    crowded.InitLevel(1);
    EXPECT_EQ(crowded.Balls(), 8);
    // A generator answering off the board puts no ball off it either.
    testing::ScriptedRandom wild({9, 9, -1, 2});
    RestrictionRules wildly(wild);
    wildly.InitLevel(3);
    EXPECT_EQ(wildly.Balls(), 16);
    EXPECT_EQ(wildly.Values().size(), 64u);
}

TEST(ScatteredBalls, EveryResetDealsAfresh) {
    SeededRandom random(7);
    RestrictionRules rules(random);
    rules.InitLevel(3);
    const std::vector<int> first = rules.Values();
    rules.InitLevel(rules.Level());
    EXPECT_NE(rules.Values(), first);
    EXPECT_EQ(rules.Balls(), 16);
}

TEST(RestrictionRules, ThreeOnAnyLineIsTooMany) {
    SeededRandom random(1);
    RestrictionRules rules(random);
    rules.InitLevel(1);
    // Two in every row and column, at most two on every diagonal.
    Place(rules, {{0, 0}, {0, 1}, {1, 2}, {1, 3}, {2, 0}, {2, 1}, {3, 2}, {3, 3}});
    EXPECT_TRUE(rules.IsSolved());
    // Two in every row and column, but three on the line running down to
    // the left through (3, 1), (2, 2), (1, 3).
    Place(rules, {{0, 0}, {0, 1}, {1, 0}, {1, 3}, {2, 2}, {2, 3}, {3, 1}, {3, 2}});
    EXPECT_EQ(rules.MostBallsOnALine(), 3);
    EXPECT_FALSE(rules.IsSolved());
    // The same line in the lower right half of the 8 x 8 board.
    rules.InitLevel(3);
    Place(rules, {{7, 1}, {6, 2}, {5, 3}});
    EXPECT_FALSE(rules.IsSolved());
    Place(rules, {{7, 1}, {6, 2}, {4, 3}});
    EXPECT_TRUE(rules.IsSolved());
    // Columns, rows and lines running down to the right count alike.
    Place(rules, {{5, 0}, {5, 3}, {5, 7}});
    EXPECT_FALSE(rules.IsSolved());
    Place(rules, {{0, 6}, {3, 6}, {7, 6}});
    EXPECT_FALSE(rules.IsSolved());
    Place(rules, {{1, 0}, {4, 3}, {7, 6}});
    EXPECT_FALSE(rules.IsSolved());
}

TEST(RestrictionRules, AnyEmptyFieldTakesTheBall) {
    SeededRandom random(3);
    RestrictionRules rules(random);
    rules.InitLevel(2);
    Place(rules, {{0, 0}, {5, 5}});
    ASSERT_EQ(rules.Lift({0, 0}), RestrictionRules::Ball);
    EXPECT_EQ(rules.Drop(BoardCell{5, 5}).front(), steps::PlayCue(CueRefused));  // taken
    ASSERT_NE(rules.Lift({0, 0}), 0);
    EXPECT_EQ(rules.Drop(std::nullopt).front(), steps::PlayCue(CueRefused));  // off the board
    ASSERT_NE(rules.Lift({0, 0}), 0);
    EXPECT_EQ(rules.Drop(BoardCell{5, 4}),
              (Steps{steps::PlayCue(CueAccepted), steps::Hand(), steps::Cell({5, 4}), steps::Judge()}));
    EXPECT_EQ(rules.BallCells(), (std::vector<BoardCell>{{5, 4}, {5, 5}}));
}

TEST(LonelinessRules, TwoOnADiagonalAreNotAlone) {
    SeededRandom random(1);
    LonelinessRules rules(random);
    rules.InitLevel(1);
    // One in every row and column, but (0, 0) and (2, 2) share a diagonal.
    Place(rules, {{0, 0}, {2, 2}, {1, 4}, {3, 1}, {4, 3}});
    EXPECT_FALSE(rules.IsSolved());
    Place(rules, {{0, 2}, {2, 0}, {1, 4}, {3, 3}, {4, 1}});
    EXPECT_FALSE(rules.IsSolved());
    Place(rules, {{0, 0}, {1, 2}, {2, 4}, {3, 1}, {4, 3}});
    EXPECT_TRUE(rules.IsSolved());
    // Putting a ball back on its own field is a move, and it is judged.
    ASSERT_NE(rules.Lift({2, 4}), 0);
    EXPECT_EQ(rules.Drop(BoardCell{2, 4}).back(), steps::Judge());
    EXPECT_EQ(rules.Judge(), Verdict::Solved);
}

TEST(ScatteredBalls, RoomsAndTexts) {
    SeededRandom random(1);
    RestrictionRules restriction(random);
    LonelinessRules loneliness(random);
    EXPECT_EQ(restriction.RoomName().english, std::string("Room of restriction"));
    EXPECT_EQ(loneliness.RoomName().german, std::string("Kammer der Einsamkeit"));
    EXPECT_EQ(restriction.RulesMessages().size(), 1u);
    EXPECT_EQ(loneliness.RulesMessages().size(), 1u);
    EXPECT_FALSE(restriction.DarkRoom());
    EXPECT_FALSE(loneliness.DarkRoom());
}

}  // namespace
}  // namespace tarnwick
