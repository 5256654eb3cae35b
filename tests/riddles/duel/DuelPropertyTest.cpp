// SPDX-License-Identifier: GPL-3.0-or-later
// Whole duels: a few hundred between a player who lays gems at random and
// the computer, and one won by a player who looks one answer ahead.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "riddles/duel/DuelRules.h"
#include "support/DuelPlayers.h"

namespace tarnwick {
namespace {

BoardPoint At(BoardCell cell) { return {cell, 16, 16}; }

int LargestFieldCount(const DuelBoard& board) {
    int largest = 0;
    for (int c = 0; c < DuelBoard::Size; ++c)
        for (int r = 0; r < DuelBoard::Size; ++r) largest = std::max<int>(largest, board.At({c, r}).count);
    return largest;
}

TEST(DuelProperty, RandomDuelsEndAndStayFarFromTheChainAndCountLimits) {
    constexpr int Duels = 200;
    constexpr int MovesAtMost = 400;
    SeededRandom playerDice(7);
    SeededRandom computerDice(11);
    int longestChain = 0, largestCount = 0, playerWins = 0, moves = 0;
    for (int n = 0; n < Duels; ++n) {
        DuelRules duel(computerDice);
        duel.InitLevel(1);
        for (int move = 0; move < MovesAtMost && duel.Judge() == Verdict::Undecided; ++move) {
            const Steps steps = duel.Click(At(testing::RandomPlayerMove(duel.Board(), playerDice)));
            ++moves;
            ASSERT_FALSE(steps.empty());
            ASSERT_EQ(steps.back(), steps::Judge());
            longestChain = std::max(longestChain, duel.LongestChain());
            for (int m = 0; m < duel.Moments(); ++m)
                largestCount = std::max(largestCount, LargestFieldCount(duel.Moment(m)));
        }
        ASSERT_NE(duel.Judge(), Verdict::Undecided) << "duel " << n << " did not end";
        playerWins += duel.Judge() == Verdict::Solved;
    }
    std::printf("%d random duels, %d moves: player won %d; longest chain %d sweeps, largest field count %d\n",
                Duels, moves, playerWins, longestChain, largestCount);
    // Real chains settle within a few dozen sweeps, far below the bound,
    // and no field comes anywhere near the top of its count.
    EXPECT_LT(longestChain, MaxSweeps / 100);
    EXPECT_LT(largestCount, 32);
}

TEST(DuelProperty, APlayerWhoLooksOneAnswerAheadBeatsTheComputer) {
    SeededRandom computerDice(2026);
    DuelRules duel(computerDice);
    duel.InitLevel(1);
    for (int move = 0; move < 200 && duel.Judge() == Verdict::Undecided; ++move)
        duel.Click(At(LookaheadPlayerMove(duel.Board())));
    EXPECT_EQ(duel.Judge(), Verdict::Solved);
}

}  // namespace
}  // namespace tarnwick
