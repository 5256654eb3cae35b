// SPDX-License-Identifier: GPL-3.0-or-later
// Room 7's duel as a click reports it: the player's gem, the chain
// reactions, the computer's choice and blinking gem, the end of the duel.
#include <gtest/gtest.h>

#include "riddles/duel/DuelComputer.h"
#include "riddles/duel/DuelRules.h"
#include "support/DuelPlayers.h"
#include "support/FakeTime.h"

namespace tarnwick {
namespace {

using testing::DuelPosition;
using testing::ScriptedRandom;

BoardPoint At(int col, int row) { return {{col, row}, 16, 16}; }

// The steps without the Frame marks, which say which moment a redraw shows.
Steps Drawn(const Steps& all) {
    Steps drawn;
    for (const Step& s : all)
        if (s.kind != Step::Frame) drawn.push_back(s);
    return drawn;
}

Steps operator+(Steps a, const Steps& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Steps PlayerGem(BoardCell cell) { return {steps::Cell(cell), steps::PlayCue(9), steps::Wait(100)}; }
Steps Explosion() { return {steps::PlayCue(11), steps::Wait(100), steps::Board()}; }
Steps ChainEnd() { return {steps::PlayCue(9), steps::Board()}; }
Steps Blink(BoardCell cell) {
    Steps s;
    for (int i = 0; i < 3; ++i) s = s + Steps{steps::Cell(cell), steps::Wait(100), steps::Cell(cell), steps::Wait(100)};
    return s + Steps{steps::Cell(cell)};
}
const Steps Judged{steps::Judge()};

// The board each redraw of a field shows, as gem counts on that field.
std::vector<int> ShownCounts(const DuelRules& duel, const Steps& all, BoardCell cell) {
    std::vector<int> counts;
    int moment = -1;
    for (const Step& s : all) {
        if (s.kind == Step::Frame) moment = s.value;
        if (s.kind == Step::Cell && s.cell == cell) counts.push_back(duel.Moment(moment).At(cell).count);
    }
    return counts;
}

struct Duel : ::testing::Test {
    ScriptedRandom random;
    DuelRules duel{random};
    Duel() { duel.InitLevel(1); }
    void Set(const std::vector<std::string>& rows) { duel.SetPosition(DuelPosition(rows), dsRunning); }
};

TEST_F(Duel, EveryLevelIsTheSameEmptyBoardWaitingForThePlayer) {
    for (int level : {1, 2, 3}) {
        duel.InitLevel(level);
        EXPECT_EQ(duel.Geometry().left, 54);
        EXPECT_EQ(duel.Geometry().top, 104);
        EXPECT_EQ(duel.Geometry().columns, 6);
        EXPECT_EQ(duel.Geometry().rows, 6);
        EXPECT_EQ(duel.Board(), DuelBoard{});
        EXPECT_EQ(duel.State(), dsOpening);
        EXPECT_EQ(duel.Judge(), Verdict::Undecided);
    }
}

TEST_F(Duel, TheFirstGemDoesNotEndTheDuelAndTheComputerAnswers) {
    random.values = {3};
    DuelBoard afterGem;
    afterGem.AddGem({2, 3}, ownPlayer);
    ScriptedRandom same({3});
    const BoardCell answer = ChooseComputerMove(afterGem, same);

    const Steps all = duel.Click(At(2, 3));
    EXPECT_EQ(Drawn(all), PlayerGem({2, 3}) + ChainEnd() + Blink(answer) + ChainEnd() + Judged);
    EXPECT_EQ(duel.State(), dsRunning);
    EXPECT_EQ(duel.Judge(), Verdict::Undecided);
    EXPECT_EQ(duel.Board().At({2, 3}), (DuelCell{ownPlayer, 1}));
    EXPECT_EQ(duel.Board().At(answer), (DuelCell{ownComputer, 1}));
    // The new gem blinks three times before it stays.
    EXPECT_EQ(ShownCounts(duel, all, answer), (std::vector<int>{1, 0, 1, 0, 1, 0, 1}));
    EXPECT_EQ(duel.Moment(duel.Moments() - 1), duel.Board());
}

TEST_F(Duel, AGemOnACornerThatHoldsOneExplodesAtOnce) {
    Set({"p1", "", "", ".. .. .. c1"});
    const Steps all = duel.Click(At(0, 0));
    const Steps drawn = Drawn(all);
    ASSERT_GT(drawn.size(), 8u);
    EXPECT_EQ(Steps(drawn.begin(), drawn.begin() + 8), PlayerGem({0, 0}) + Explosion() + ChainEnd());
    // The board the explosion shows: one gem on each neighbour, two gone.
    ASSERT_EQ(all[6].kind, Step::Frame);
    const DuelBoard& shown = duel.Moment(all[6].value);
    EXPECT_EQ(shown.At({0, 0}), (DuelCell{ownNone, 0}));
    EXPECT_EQ(shown.At({1, 0}), (DuelCell{ownPlayer, 1}));
    EXPECT_EQ(shown.At({0, 1}), (DuelCell{ownPlayer, 1}));
    EXPECT_EQ(CountGems(shown, ownPlayer), 2);
}

TEST_F(Duel, ThePlayersChainThatTakesTheLastFieldStopsAtOnceAndWins) {
    // The corner takes (0, 1), which would explode next sweep.
    Set({"p1", "c2"});
    EXPECT_EQ(Drawn(duel.Click(At(0, 0))), PlayerGem({0, 0}) + Explosion() + ChainEnd() + Judged);
    EXPECT_EQ(duel.State(), dsPlayerWon);
    EXPECT_EQ(duel.Judge(), Verdict::Solved);
    EXPECT_EQ(duel.Board().At({0, 1}), (DuelCell{ownPlayer, 3}));
    EXPECT_TRUE(random.ranges.empty());
    // Over: no click does anything.
    EXPECT_TRUE(duel.Click(At(0, 1)).empty());
    EXPECT_TRUE(duel.Click(At(4, 4)).empty());
    duel.InitLevel(duel.Level());
    EXPECT_EQ(duel.State(), dsOpening);
    EXPECT_EQ(duel.Board(), DuelBoard{});
}

TEST_F(Duel, TheComputersChainThatTakesThePlayersLastFieldLosesTheDuel) {
    Set({"", "", ".. .. .. c3", ".. .. .. p1"});
    EXPECT_EQ(Drawn(duel.Click(At(3, 3))),
              PlayerGem({3, 3}) + ChainEnd() + Blink({3, 2}) + Explosion() + ChainEnd() + Judged);
    EXPECT_EQ(duel.State(), dsComputerWon);
    EXPECT_EQ(duel.Judge(), Verdict::Lost);
    EXPECT_EQ(duel.Board().At({3, 3}), (DuelCell{ownComputer, 3}));
    EXPECT_TRUE(duel.Click(At(0, 0)).empty());
    EXPECT_EQ(duel.State(), dsComputerWon);
}

TEST_F(Duel, ClicksOnTheComputersFieldsAreIgnoredAndOwnFieldsTakeMore) {
    Set({".. c1", "", "", ".. .. .. p3"});
    const DuelBoard before = duel.Board();
    EXPECT_TRUE(duel.Click(At(1, 0)).empty());
    EXPECT_EQ(duel.Board(), before);
    random.values = {0};
    const Steps drawn = Drawn(duel.Click(At(3, 3)));
    // Four gems on an inner field: it goes at once.
    EXPECT_EQ(Steps(drawn.begin(), drawn.begin() + 6), PlayerGem({3, 3}) + Explosion());
}

TEST_F(Duel, EveryChainIsBounded) {
    ScriptedRandom dice;
    DuelRules bounded(dice, 3);
    bounded.InitLevel(1);
    bounded.SetPosition(DuelPosition({"", "", ".. .. p30", "", "", ".. .. .. .. .. c1"}), dsRunning);
    const Steps all = bounded.Click(At(2, 2));
    EXPECT_EQ(bounded.LongestChain(), 3);
    EXPECT_EQ(all.back(), steps::Judge());
}

TEST(DuelComputer, AMoveThatLeavesThePlayerNoFieldIsRatedBest) {
    // A full board. A gem on (4, 4) sets off (5, 4), the player's corner
    // and (4, 5), which refill one another: the player has no field left
    // and, with no field empty, none to answer on.
    std::vector<std::string> rows(6, "c1 c1 c1 c1 c1 c1");
    rows[4] = "c1 c1 c1 c1 c3 c2";
    rows[5] = "c1 c1 c1 c1 c2 p1";
    const DuelBoard board = DuelPosition(rows);
    DuelBoard after = board;
    after.AddGem({4, 4}, ownComputer);
    SimulateCascade(after);
    ASSERT_EQ(CountCells(after, ownPlayer), 0);
    ASSERT_EQ(CountCells(after, ownNone), 0);

    const DuelRatings ratings = RateComputerMoves(board);
    EXPECT_EQ(ratings[6 * 4 + 4], RatingWinning);
    EXPECT_EQ(ratings[6 * 5 + 5], RatingNoMove);  // the player's field
    // Every move that wins is rated so, and no other.
    std::vector<BoardCell> winning;
    for (int i = 0; i < 35; ++i) {
        DuelBoard move = board;
        move.AddGem({i / 6, i % 6}, ownComputer);
        SimulateCascade(move);
        const bool wins = CountCells(move, ownPlayer) == 0;
        EXPECT_EQ(ratings[i] == RatingWinning, wins) << i;
        EXPECT_GE(ratings[i], RatingWinning) << i;
        if (wins) winning.push_back({i / 6, i % 6});
    }
    ScriptedRandom random({0});
    EXPECT_EQ(ChooseComputerMove(board, random), winning.front());
}

TEST(DuelComputer, TheGeneratorDrawsAmongEquallyRatedFields) {
    DuelBoard board;
    board.AddGem({0, 0}, ownPlayer);
    const DuelRatings ratings = RateComputerMoves(board);
    int lowest = RatingNoMove;
    for (int i = 1; i < 36; ++i) lowest = std::min(lowest, ratings[i]);
    std::vector<BoardCell> tied;
    for (int i = 1; i < 36; ++i)
        if (ratings[i] == lowest) tied.push_back({i / 6, i % 6});
    ASSERT_GT(tied.size(), 2u);
    ScriptedRandom random({2});
    EXPECT_EQ(ChooseComputerMove(board, random), tied[2]);
    EXPECT_EQ(random.ranges, std::vector<int>{static_cast<int>(tied.size())});
    // A generator out of range still lands on one of them.
    ScriptedRandom wild({1000});
    EXPECT_EQ(ChooseComputerMove(board, wild), tied.back());
}

}  // namespace
}  // namespace tarnwick
