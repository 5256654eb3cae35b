// SPDX-License-Identifier: GPL-3.0-or-later
// The room of confusion: start and target tables, the knight's jump onto
// the one empty field, and a solution of every level found by a search.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <queue>
#include <set>
#include <string>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "riddles/balls/ConfusionSolver.h"
#include "riddles/balls/ConfusionRules.h"
#include "riddles/frame/DragRoomTesting.h"

namespace tarnwick {
namespace {

constexpr int R = ConfusionRules::Red;
constexpr int Y = ConfusionRules::Yellow;
constexpr int Size = ConfusionRules::BoardSize;
constexpr int Fields = Size * Size;

std::vector<int> Parse(const std::string& rows) { return testing::BoardOf(rows, {{'R', R}, {'Y', Y}}); }
ConfusionRules Room(int level) { return testing::AtLevel<ConfusionRules>(level); }

// Without its tables the hint searches: a way that solves every level,
// never shorter than the fewest jumps there are (40, 36 and 40).
TEST(ConfusionRules, EveryLevelCanBeSolvedBySearching) {
    const std::size_t fewest[] = {40, 36, 40};
    for (int level = 1; level <= 3; ++level) {
        ConfusionRules room = Room(level);
        ConfusionSolver solver(room);
        const auto path = solver.Solve(room, DragHintBound);
        std::printf("level %d: solved in %zu moves by searching\n", level, path.size());
        EXPECT_GE(path.size(), fewest[level - 1]) << "level " << level;
        EXPECT_LE(path.size(), fewest[level - 1] + 8) << "level " << level;
        // Played out on the rules: every jump accepted, solved at the end.
        for (const DragMove& move : path) ASSERT_TRUE(testing::Accepted(testing::Drag(room, move.from, move.to)));
        EXPECT_EQ(room.Judge(), Verdict::Solved);
    }
}

// With the tables the build made, the hint's jump is one of a shortest
// way: every position up to six jumps from a level's target (found here
// breadth-first from it) is solved by following the hint in exactly as
// many jumps as it lies away.
TEST(ConfusionRules, TheHintFromTheTablesIsAJumpOfAShortestWay) {
    constexpr int Depth = 6;
    for (int level = 1; level <= 3; ++level) {
        ConfusionRules atTarget(PROGRAM_DIR);
        atTarget.InitLevel(level);
        atTarget.SetValues(atTarget.Target());
        std::vector<std::pair<std::vector<int>, int>> positions{{atTarget.Values(), 0}};
        std::set<std::vector<int>> seen{atTarget.Values()};
        for (std::size_t next = 0; next < positions.size(); ++next) {
            const auto [values, away] = positions[next];
            if (away == Depth) continue;
            for (int from = 0; from < Fields; ++from) {
                ConfusionRules room = atTarget;
                room.SetValues(values);
                const int empty = static_cast<int>(std::find(values.begin(), values.end(), 0) - values.begin());
                if (testing::PlayMove(room, from, empty) && seen.insert(room.Values()).second)
                    positions.push_back({room.Values(), away + 1});
            }
        }
        for (const auto& [values, away] : positions) {
            ConfusionRules room = atTarget;
            room.SetValues(values);
            int jumps = 0;
            for (; !room.IsSolved() && jumps < away; ++jumps) {
                const Hint hint = room.NextMove();
                ASSERT_EQ(hint.kind, Hint::Move);
                ASSERT_TRUE(testing::Accepted(testing::Drag(room, hint.fields[0].cell, hint.fields[1].cell)));
            }
            ASSERT_TRUE(room.IsSolved()) << "level " << level << ", " << away << " jumps away";
            ASSERT_EQ(jumps, away) << "level " << level;
        }
        std::printf("level %d: %zu positions up to %d jumps away\n", level, positions.size(), Depth);
    }
}

TEST(ConfusionRules, StartAndTargetExchangeTheColours) {
    EXPECT_EQ(Room(1).Values(), Parse("RRRRR RRRRR RR.YY YYYYY YYYYY"));
    EXPECT_EQ(Room(2).Values(), Parse("RRRRR RRRRY RR.YY RYYYY YYYYY"));
    EXPECT_EQ(Room(3).Values(), Parse("RRRRR RRRYY RR.YY RRYYY YYYYY"));
    for (int level = 1; level <= 3; ++level) {
        const std::vector<int> start = Room(level).Values();
        std::vector<int> turned(start.rbegin(), start.rend());
        EXPECT_EQ(Room(level).Target(), turned);
        for (int f = 0; f < Fields; ++f)
            EXPECT_EQ(turned[f], start[f] == R ? Y : start[f] == Y ? R : 0);
    }
    EXPECT_EQ(Room(1).Geometry().left, 70);
    EXPECT_EQ(Room(1).Geometry().top, 124);
}

TEST(ConfusionRules, OnlyTheBallsAKnightsMoveFromTheEmptyFieldCanMove) {
    std::vector<int> movers;
    for (int from = 0; from < Fields; ++from) {
        ConfusionRules room = Room(1);
        if (from != 12 && testing::PlayMove(room, from, 12)) movers.push_back(from);
    }
    EXPECT_EQ(movers, (std::vector<int>{1, 3, 5, 9, 15, 19, 21, 23}));
    ConfusionRules room = Room(1);
    EXPECT_FALSE(testing::PlayMove(room, 7, 12));   // straight
    EXPECT_FALSE(testing::PlayMove(room, 6, 12));   // diagonal
    EXPECT_FALSE(testing::PlayMove(room, 0, 0));    // onto its own field
    EXPECT_FALSE(testing::PlayMove(room, 0, 7));    // a knight's move onto a ball
    EXPECT_FALSE(testing::PlayMove(room, 1, 24));   // far away
    EXPECT_EQ(room.Values(), Parse("RRRRR RRRRR RR.YY YYYYY YYYYY"));
}

TEST(ConfusionRules, SolvedOnlyWhenEveryFieldMatches) {
    ConfusionRules room = Room(1);
    room.SetValues(Parse("YYYYY YYYYY YY.RR RRRRR RRRRR"));
    EXPECT_EQ(room.Judge(), Verdict::Solved);
    room.SetValues(Parse("YYYYY YYYYY YYR.R RRRRR RRRRR"));  // all but the empty centre
    EXPECT_EQ(room.Judge(), Verdict::Unsolved);
    room.SetValues(Parse("YYYYY YYYYY YY.RR RRRRR RRRRY"));
    EXPECT_FALSE(room.IsSolved());
}

}  // namespace
}  // namespace tarnwick
