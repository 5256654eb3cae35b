// SPDX-License-Identifier: GPL-3.0-or-later
// The room of alteration: start positions, the knight's jump, the verdict
// after refused drops, and the shortest solution of every level.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdint>
#include <queue>
#include <string>
#include <unordered_map>
#include <vector>

#include "riddles/frame/DragRoomTesting.h"
#include "riddles/balls/DragSearch.h"
#include "riddles/balls/AlterationRules.h"

namespace tarnwick {
namespace {

constexpr int G = AlterationRules::Green;
constexpr int Y = AlterationRules::Yellow;

std::vector<int> Parse(const std::string& rows) { return testing::BoardOf(rows, {{'G', G}, {'Y', Y}}); }
AlterationRules Room(int level) { return testing::AtLevel<AlterationRules>(level); }
using testing::Accepted;
Steps Move(AlterationRules& room, BoardCell from, std::optional<BoardCell> to) { return testing::Drag(room, from, to); }

std::vector<DragMove> ShortestSolution(int level) {
    const auto path = SearchDrags(Room(level), DragHintBound).moves;
    std::printf("level %d: solved in %zu moves\n", level, path.size());
    return path;
}

TEST(AlterationRules, EveryLevelIsSolvedInSixteenMoves) {
    for (int level = 1; level <= 3; ++level) {
        const auto path = ShortestSolution(level);
        EXPECT_EQ(path.size(), 16u) << "level " << level;
        // Played out on the rules: every jump accepted, solved at the end.
        AlterationRules room = Room(level);
        for (const auto& [from, to] : path) ASSERT_TRUE(Accepted(Move(room, from, to)));
        EXPECT_EQ(room.Judge(), Verdict::Solved);
    }
}

TEST(AlterationRules, StartPositionsAndBoards) {
    EXPECT_EQ(Room(1).Values(), Parse("G.G ... Y.Y"));
    EXPECT_EQ(Room(2).Values(), Parse("G.G ... ... Y.Y"));
    EXPECT_EQ(Room(3).Values(), Parse("GGG ... ... YYY"));
    EXPECT_EQ(Room(1).Geometry().top, 156);
    EXPECT_EQ(Room(1).Geometry().rows, 3);
    EXPECT_EQ(Room(3).Geometry().top, 140);
    EXPECT_EQ(Room(3).Geometry().rows, 4);
    EXPECT_EQ(Room(2).Geometry().left, 102);
    EXPECT_EQ(Room(2).Geometry().columns, 3);
    EXPECT_TRUE(Room(1).DarkRoom());
}

TEST(AlterationRules, BallsJumpLikeKnights) {
    AlterationRules room = Room(1);
    EXPECT_FALSE(Accepted(Move(room, {0, 0}, BoardCell{1, 1})));  // the centre is out of every knight's reach
    EXPECT_FALSE(Accepted(Move(room, {0, 0}, BoardCell{0, 0})));  // its own field is no jump
    EXPECT_FALSE(Accepted(Move(room, {0, 0}, BoardCell{0, 1})));  // straight
    EXPECT_FALSE(Accepted(Move(room, {0, 0}, std::nullopt)));     // off the board
    EXPECT_EQ(room.Values(), Parse("G.G ... Y.Y"));
    room.SetValues(Parse("G.. ..G Y.Y"));
    EXPECT_FALSE(Accepted(Move(room, {0, 0}, BoardCell{2, 1})));  // onto a ball
    EXPECT_TRUE(Accepted(Move(room, {0, 0}, BoardCell{1, 2})));   // over whatever lies between
    EXPECT_EQ(room.Values(), Parse("... ..G YGY"));
    EXPECT_TRUE(Accepted(Move(room, {2, 1}, BoardCell{0, 0})));
}

TEST(AlterationRules, EveryDropIsJudgedTheRefusedOnesToo) {
    AlterationRules room = Room(2);
    EXPECT_EQ(Move(room, {0, 0}, BoardCell{1, 1}),
              (Steps{steps::PlayCue(CueRefused), steps::Hand(), steps::Cell({0, 0}), steps::Judge()}));
    EXPECT_EQ(Move(room, {0, 0}, BoardCell{1, 2}),
              (Steps{steps::PlayCue(CueAccepted), steps::Hand(), steps::Cell({1, 2}), steps::Judge()}));
}

TEST(AlterationRules, SolvedWhenTheColoursHaveChangedPlaces) {
    AlterationRules room = Room(1);
    room.SetValues(Parse("Y.Y ... G.G"));
    EXPECT_EQ(room.Judge(), Verdict::Solved);
    room.SetValues(Parse("Y.Y ... GG."));
    EXPECT_EQ(room.Judge(), Verdict::Unsolved);
    room = Room(3);
    room.SetValues(Parse("YYY ... ... GGG"));
    EXPECT_TRUE(room.IsSolved());
    room.SetValues(Parse("YGY ... ... GYG"));
    EXPECT_FALSE(room.IsSolved());
}

}  // namespace
}  // namespace tarnwick
