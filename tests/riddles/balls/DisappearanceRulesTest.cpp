// SPDX-License-Identifier: GPL-3.0-or-later
// The room of disappearance: the jump over a ball that then vanishes, the
// yellow ball last in the centre, and a solution of every level.
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "riddles/balls/DisappearanceRules.h"
#include "riddles/balls/DragSearch.h"
#include "riddles/frame/DragRoomTesting.h"

namespace tarnwick {
namespace {

constexpr int O = DisappearanceRules::Ball;
constexpr int Y = DisappearanceRules::Yellow;
constexpr int Size = DisappearanceRules::BoardSize;

std::vector<int> Parse(const std::string& rows) { return testing::BoardOf(rows, {{'o', O}, {'Y', Y}}); }
DisappearanceRules Room(int level) { return testing::AtLevel<DisappearanceRules>(level); }
using testing::Accepted;
Steps Move(DisappearanceRules& room, BoardCell from, std::optional<BoardCell> to) {
    return testing::Drag(room, from, to);
}

TEST(DisappearanceRules, EveryLevelEndsWithTheYellowBallAloneInTheCentre) {
    const int balls[] = {9, 9, 10};
    for (int level = 1; level <= 3; ++level) {
        DisappearanceRules room = Room(level);
        const DragSearch search = SearchDrags(room, DragHintBound);
        ASSERT_EQ(search.result, DragSearch::Found) << "level " << level;
        std::printf("level %d: solved in %zu jumps; %ld positions seen\n", level, search.moves.size(), search.positions);
        // Every jump takes one ball away, and one is left.
        EXPECT_EQ(static_cast<int>(search.moves.size()), balls[level - 1] - 1);
        // The last jump is the yellow ball's, onto the centre.
        EXPECT_EQ(search.moves.back().to, DisappearanceRules::Centre);
        for (const DragMove& move : search.moves) ASSERT_TRUE(Accepted(Move(room, move.from, move.to)));
        EXPECT_EQ(room.Values()[2 * Size + 2], Y);
        EXPECT_EQ(room.Judge(), Verdict::Solved);
    }
}

TEST(DisappearanceRules, StartPositions) {
    EXPECT_EQ(Room(1).Values(), Parse("..... .ooo. .oYo. .ooo. ....."));
    EXPECT_EQ(Room(2).Values(), Parse("..... ..o.. .oYo. ooooo ....."));
    EXPECT_EQ(Room(3).Values(), Parse("..... .oooo .oYo. .oo.. .o..."));
    EXPECT_EQ(Room(3).Balls(), 10);
    EXPECT_EQ(Room(1).Geometry().left, 70);
    EXPECT_EQ(Room(1).Geometry().top, 124);
}

TEST(DisappearanceRules, ABallJumpsOverANeighbourWhichVanishes) {
    DisappearanceRules room = Room(1);
    // Straight over (1, 2) onto (0, 2): the jumped ball is redrawn empty
    // before the jumping one lands.
    EXPECT_EQ(Move(room, {2, 2}, BoardCell{0, 2}),
              (Steps{steps::PlayCue(CueAccepted), steps::Hand(), steps::Cell({1, 2}), steps::Cell({0, 2}),
                     steps::Judge()}));
    EXPECT_EQ(room.Values(), Parse("..... .ooo. Y..o. .ooo. ....."));
    // Diagonally over (1, 1) onto (0, 0).
    room = Room(1);
    room.SetValues(Parse("..... .o... ..o.. ..... ....."));
    EXPECT_TRUE(Accepted(Move(room, {2, 2}, BoardCell{0, 0})));
    EXPECT_EQ(room.Values(), Parse("o.... ..... ..... ..... ....."));
}

TEST(DisappearanceRules, RefusedMovesLeaveEveryBallInPlace) {
    DisappearanceRules room = Room(1);
    const std::vector<int> start = room.Values();
    EXPECT_FALSE(Accepted(Move(room, {1, 1}, BoardCell{0, 0})));  // one field
    EXPECT_FALSE(Accepted(Move(room, {1, 1}, BoardCell{3, 0})));  // a knight's move
    EXPECT_FALSE(Accepted(Move(room, {1, 1}, BoardCell{1, 1})));  // onto its own field
    EXPECT_FALSE(Accepted(Move(room, {1, 1}, BoardCell{3, 3})));  // onto a ball
    EXPECT_FALSE(Accepted(Move(room, {1, 1}, std::nullopt)));     // off the board
    EXPECT_FALSE(Accepted(Move(room, {3, 3}, BoardCell{3, 5})));  // past the edge
    room.SetValues(Parse("..... .o... ..... ..... ....."));
    EXPECT_FALSE(Accepted(Move(room, {1, 1}, BoardCell{3, 3})));  // over an empty field
    // A refused drop is not judged.
    EXPECT_EQ(Move(room, {1, 1}, BoardCell{1, 3}),
              (Steps{steps::PlayCue(CueRefused), steps::Hand(), steps::Cell({1, 1})}));
    room = Room(1);
    EXPECT_EQ(room.Values(), start);
}

TEST(DisappearanceRules, OnlyTheYellowBallAloneInTheCentreWins) {
    DisappearanceRules room = Room(1);
    room.SetValues(Parse("..... ..... ..Y.. ..... ....."));
    EXPECT_EQ(room.Judge(), Verdict::Solved);
    room.SetValues(Parse("..... ..... ..o.. ..... ....."));
    EXPECT_FALSE(room.IsSolved());
    room.SetValues(Parse("..... ...Y. ..... ..... ....."));
    EXPECT_FALSE(room.IsSolved());
    room.SetValues(Parse("..... ..... ..Yo. ..... ....."));
    EXPECT_FALSE(room.IsSolved());
    // The yellow ball jumped: the last ball in the centre is no win.
    room.SetValues(Parse("..... ..... o.Y.. ..... ....."));
    EXPECT_FALSE(Accepted(Move(room, {0, 2}, BoardCell{2, 2})));  // the centre is taken
    room.SetValues(Parse("..... ..... oY... ..... ....."));
    EXPECT_TRUE(Accepted(Move(room, {0, 2}, BoardCell{2, 2})));
    EXPECT_EQ(room.Values(), Parse("..... ..... ..o.. ..... ....."));
    EXPECT_EQ(room.Judge(), Verdict::Unsolved);
}

}  // namespace
}  // namespace tarnwick
