// SPDX-License-Identifier: GPL-3.0-or-later
// The room of displacement: pushing a ball along the corridors, the steps
// its table of distances was made with, and every level solved by the hint.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "platform/Random.h"
#include "riddles/corridors/DisplacementGraph.h"
#include "riddles/corridors/DisplacementRules.h"

namespace tarnwick {
namespace {

Steps Moved(BoardCell from, BoardCell to) { return {steps::PlayCue(9), steps::Cell(from), steps::Cell(to)}; }

TEST(DisplacementRules, AGrabbedBallStepsIntoFreeCorridorNextToIt) {
    DisplacementRules room;
    room.InitLevel(1);
    EXPECT_FALSE(room.Grab({1, 1}));  // empty corridor
    EXPECT_FALSE(room.Grab({0, 0}));  // wall
    EXPECT_TRUE(room.PushTo(BoardCell{1, 1}).empty());
    EXPECT_TRUE(room.Release().empty());

    ASSERT_TRUE(room.Grab({2, 2}));
    EXPECT_FALSE(room.Grab({4, 2}));  // one ball at a time
    EXPECT_TRUE(room.PushTo(BoardCell{2, 2}).empty());   // its own field
    EXPECT_TRUE(room.PushTo(BoardCell{1, 1}).empty());   // diagonal
    EXPECT_TRUE(room.PushTo(BoardCell{3, 2}).empty());   // wall
    EXPECT_TRUE(room.PushTo(BoardCell{2, 3}).empty());   // another ball
    EXPECT_TRUE(room.PushTo(std::nullopt).empty());      // off the board
    EXPECT_EQ(room.PushTo(BoardCell{2, 1}), Moved({2, 2}, {2, 1}));
    EXPECT_TRUE(room.PushTo(BoardCell{4, 1}).empty());   // the mouse ran ahead: the ball waits
    EXPECT_EQ(room.PushTo(BoardCell{3, 1}), Moved({2, 1}, {3, 1}));
    EXPECT_EQ(room.PushTo(BoardCell{4, 1}), Moved({3, 1}, {4, 1}));
    EXPECT_EQ(room.Cell({4, 1}), DisplacementRules::Red);
    EXPECT_EQ(room.Cell({2, 2}), DisplacementRules::Corridor);
    EXPECT_EQ(room.Release(), Steps{steps::Judge()});
    EXPECT_FALSE(room.Holding());
    EXPECT_EQ(room.Judge(), Verdict::Unsolved);

    // A press and release without a step is judged too.
    ASSERT_TRUE(room.Grab({4, 1}));
    EXPECT_EQ(room.Release(), Steps{steps::Judge()});

    // Reset lets go and lays out the start again.
    ASSERT_TRUE(room.Grab({4, 1}));
    room.InitLevel(1);
    EXPECT_FALSE(room.Holding());
    EXPECT_EQ(room.Cell({2, 2}), DisplacementRules::Red);
}

TEST(DisplacementRules, TheBorderIsWallOnEveryLevelAndTheRulesNameTheYellowBalls) {
    DisplacementRules room;
    for (int level = 1; level <= 3; ++level) {
        room.InitLevel(level);
        for (int c = 0; c < 7; ++c) {
            EXPECT_EQ(room.Cell({c, 0}), DisplacementRules::Wall);
            EXPECT_EQ(room.Cell({c, 5}), DisplacementRules::Wall);
        }
        for (int r = 0; r < 6; ++r) {
            EXPECT_EQ(room.Cell({0, r}), DisplacementRules::Wall);
            EXPECT_EQ(room.Cell({6, r}), DisplacementRules::Wall);
        }
        EXPECT_EQ(room.RulesMessages().size(), level == 3 ? 2u : 1u);
    }
    EXPECT_EQ(room.Geometry().CellAt(38, 108), (BoardCell{0, 0}));
    EXPECT_EQ(room.Geometry().CellAt(261, 299), (BoardCell{6, 5}));
    EXPECT_FALSE(room.Geometry().CellAt(262, 200));
}

// The steps the room's table was made with are the pushes of its rules,
// and the numbering of positions goes both ways; along random walks.
TEST(DisplacementRules, TheTablesStepsAreThePushesOfTheRules) {
    for (int level = 1; level <= 3; ++level) {
        const DisplacementGraph graph(level);
        DisplacementRules room;
        room.InitLevel(level);
        SeededRandom dice(static_cast<std::uint64_t>(level));
        for (int move = 0; move < 300; ++move) {
            const std::vector<int> board = room.Values();
            ASSERT_EQ(graph.Board(graph.Number(board)), board);
            ASSERT_LT(graph.Number(board), graph.Positions());
            std::vector<std::pair<BoardCell, BoardCell>> pushes;
            for (int c = 0; c < DisplacementRules::BoardColumns; ++c)
                for (int r = 0; r < DisplacementRules::BoardRows; ++r)
                    for (BoardCell to : {BoardCell{c + 1, r}, BoardCell{c - 1, r}, BoardCell{c, r + 1}, BoardCell{c, r - 1}}) {
                        DisplacementRules copy = room;
                        if (copy.Grab({c, r}) && !copy.PushTo(to).empty()) pushes.push_back({{c, r}, to});
                    }
            auto steps = graph.Steps(board);
            const auto order = [](const auto& a, const auto& b) {
                return std::tie(a.first.col, a.first.row, a.second.col, a.second.row) <
                       std::tie(b.first.col, b.first.row, b.second.col, b.second.row);
            };
            std::sort(steps.begin(), steps.end(), order);
            std::sort(pushes.begin(), pushes.end(), order);
            ASSERT_EQ(steps, pushes) << "level " << level << " move " << move;
            const auto [from, to] = pushes[static_cast<std::size_t>(dice.Next(static_cast<int>(pushes.size())))];
            room.Grab(from);
            room.PushTo(to);
            room.Release();
        }
    }
}

// The hint leads every level from its start to the goal in the fewest
// steps there are, one push after the other as the mouse makes them.
TEST(DisplacementRules, TheHintLeadsEveryLevelToTheGoalTheShortestWay) {
    const int shortest[] = {0, 58, 104, 134};
    for (int level = 1; level <= 3; ++level) {
        DisplacementRules room;
        room.InitLevel(level);
        int steps = 0;
        for (Hint hint = room.NextMove(); hint.kind == Hint::Move && steps < 1000; hint = room.NextMove(), ++steps) {
            EXPECT_EQ(room.Judge(), Verdict::Unsolved);
            ASSERT_EQ(hint.fields.size(), 2u);
            const BoardCell from = hint.fields[0].cell, to = hint.fields[1].cell;
            ASSERT_TRUE(room.Grab(from));
            EXPECT_EQ(room.PushTo(to), Moved(from, to));
            EXPECT_EQ(room.Release(), Steps{steps::Judge()});
        }
        EXPECT_EQ(room.NextMove().kind, Hint::Solved);
        EXPECT_EQ(room.Judge(), Verdict::Solved) << "level " << level;
        EXPECT_EQ(steps, shortest[level]) << "level " << level;
    }
}

}  // namespace
}  // namespace tarnwick
