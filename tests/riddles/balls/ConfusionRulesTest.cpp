// The room of confusion: start and target tables, the knight's jump onto
// the one empty field, and a solution of every level found by a search.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <queue>
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

TEST(ConfusionRules, EveryLevelCanBeSolved) {
    const std::size_t found[] = {40, 36, 40};
    for (int level = 1; level <= 3; ++level) {
        ConfusionRules room = Room(level);
        ConfusionSolver solver(room);
        const auto path = solver.Solve(room, DragHintBound);
        std::printf("level %d: solved in %zu moves\n", level, path.size());
        EXPECT_EQ(path.size(), found[level - 1]) << "level " << level;
        // Played out on the rules: every jump accepted, solved at the end.
        for (const DragMove& move : path) ASSERT_TRUE(testing::Accepted(testing::Drag(room, move.from, move.to)));
        EXPECT_EQ(room.Judge(), Verdict::Solved);
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
