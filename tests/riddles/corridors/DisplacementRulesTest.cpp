// The room of displacement: pushing a ball along the corridors, and every
// level solved by a breadth-first search through the rules themselves.
#include <gtest/gtest.h>

#include "riddles/corridors/DisplacementSolver.h"
#include "riddles/corridors/DisplacementRules.h"

namespace tarnwick {
namespace {

using testing::Board;

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

std::vector<Board> ShortestSolution(int level) {
    DisplacementRules room;
    room.InitLevel(level);
    return testing::ShortestDisplacement(room);
}
using testing::StepBetween;

// Level 3's search meets after some 1.2 million boards: a few seconds in
// the plain build, too long under the sanitizers, which see the same rules
// at work on levels 1 and 2.
#ifdef __SANITIZE_ADDRESS__
constexpr int SearchedLevels = 2;
#else
constexpr int SearchedLevels = 3;
#endif

TEST(DisplacementRules, EveryLevelIsSolvedByItsShortestWay) {
    const std::vector<std::size_t> shortest{0, 58, 104, 134};
    for (int level = 1; level <= SearchedLevels; ++level) {
        const std::vector<Board> way = ShortestSolution(level);
        ASSERT_FALSE(way.empty()) << "level " << level;
        EXPECT_EQ(way.size() - 1, shortest[level]) << "level " << level;

        // Played back as the mouse would: one drag per step.
        DisplacementRules room;
        room.InitLevel(level);
        for (std::size_t i = 1; i < way.size(); ++i) {
            EXPECT_EQ(room.Judge(), Verdict::Unsolved);
            const auto [left, entered] = StepBetween(way[i - 1], way[i]);
            ASSERT_TRUE(room.Grab(left));
            EXPECT_EQ(room.PushTo(entered), Moved(left, entered));
            EXPECT_EQ(room.Release(), Steps{steps::Judge()});
        }
        EXPECT_EQ(room.Judge(), Verdict::Solved) << "level " << level;
    }
}

}  // namespace
}  // namespace tarnwick
