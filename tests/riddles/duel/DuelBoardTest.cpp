// SPDX-License-Identifier: GPL-3.0-or-later
// The duel's board: critical masses, explosions, the order of a sweep and
// the chain reaction, with its bounds.
#include <gtest/gtest.h>

#include "riddles/duel/DuelBoard.h"
#include "support/DuelPlayers.h"

namespace tarnwick {
namespace {

using testing::DuelPosition;

TEST(DuelBoard, CountsSeeOnlyThePlayingField) {
    DuelBoard board = DuelPosition({"p1 .. .. .. .. c2", "", "", "", "", "p3 .. .. .. .. .."});
    board.At({-1, 0}) = {ownPlayer, 9};
    board.At({6, 6}) = {ownComputer, 9};
    EXPECT_EQ(CountCells(board, ownPlayer), 2);
    EXPECT_EQ(CountGems(board, ownPlayer), 4);
    EXPECT_EQ(CountCells(board, ownComputer), 1);
    EXPECT_EQ(CountGems(board, ownComputer), 2);
    EXPECT_EQ(CountCells(board, ownNone), 33);
}

TEST(DuelBoard, ACornerWithTwoGemsThrowsOneToEachNeighbourAndTwoOffTheBoard) {
    DuelBoard board = DuelPosition({"p2 c1", "c2"});
    EXPECT_FALSE(Sweep(board));
    EXPECT_EQ(board.At({0, 0}), (DuelCell{ownNone, 0}));
    EXPECT_EQ(board.At({1, 0}), (DuelCell{ownPlayer, 2}));
    EXPECT_EQ(board.At({0, 1}), (DuelCell{ownPlayer, 3}));
    EXPECT_EQ(board.At({-1, 0}), (DuelCell{ownPlayer, 1}));
    EXPECT_EQ(board.At({0, -1}), (DuelCell{ownPlayer, 1}));
    EXPECT_EQ(CountGems(board, ownPlayer), 5);
    // (0, 1) came before the corner in this sweep: it goes in the next.
    EXPECT_FALSE(Sweep(board));
    EXPECT_EQ(board.At({0, 1}), (DuelCell{ownNone, 0}));
    EXPECT_TRUE(Sweep(board));
}

TEST(DuelBoard, AFieldAboveItsMassExplodesOncePerSweepAndKeepsTheRest) {
    DuelBoard board = DuelPosition({"", "", ".. .. c6"});
    int explosions = 0;
    EXPECT_FALSE(Sweep(board, [&] { ++explosions; }));
    EXPECT_EQ(explosions, 1);
    EXPECT_EQ(board.At({2, 2}), (DuelCell{ownComputer, 2}));
    for (const BoardCell n : {BoardCell{1, 2}, BoardCell{3, 2}, BoardCell{2, 1}, BoardCell{2, 3}})
        EXPECT_EQ(board.At(n), (DuelCell{ownComputer, 1}));
    EXPECT_TRUE(Sweep(board));
}

TEST(DuelBoard, AFieldFilledByTwoNeighboursHoldsMoreThanFourUntilTheNextSweep) {
    // (1, 1) is tested before (1, 2) and (2, 1), which both throw onto it.
    DuelBoard board = DuelPosition({"", ".. p3 p4", ".. p4"});
    int explosions = 0;
    EXPECT_FALSE(Sweep(board, [&] { ++explosions; }));
    EXPECT_EQ(explosions, 2);
    EXPECT_EQ(board.At({1, 1}), (DuelCell{ownPlayer, 5}));
    explosions = 0;
    EXPECT_FALSE(Sweep(board, [&] { ++explosions; }));
    EXPECT_EQ(explosions, 1);
    EXPECT_EQ(board.At({1, 1}), (DuelCell{ownPlayer, 1}));
    EXPECT_TRUE(Sweep(board));
}

TEST(DuelBoard, TheSweepOrderDecidesWhatExplodesInTheSameSweep) {
    // (1, 1) goes first and brings (2, 1) to 4: (2, 1) goes in the same sweep.
    DuelBoard forward = DuelPosition({"", ".. p4 p3"});
    int explosions = 0;
    EXPECT_FALSE(Sweep(forward, [&] { ++explosions; }));
    EXPECT_EQ(explosions, 2);
    EXPECT_EQ(forward.At({2, 1}), (DuelCell{ownNone, 0}));
    EXPECT_EQ(forward.At({1, 1}), (DuelCell{ownPlayer, 1}));
    EXPECT_TRUE(Sweep(forward));

    // (2, 1) goes and brings (1, 1) to 4, whose turn has passed: next sweep.
    DuelBoard backward = DuelPosition({"", ".. p3 p4"});
    explosions = 0;
    EXPECT_FALSE(Sweep(backward, [&] { ++explosions; }));
    EXPECT_EQ(explosions, 1);
    EXPECT_EQ(backward.At({1, 1}), (DuelCell{ownPlayer, 4}));
    explosions = 0;
    EXPECT_FALSE(Sweep(backward, [&] { ++explosions; }));
    EXPECT_EQ(explosions, 1);
    EXPECT_EQ(backward.At({1, 1}), (DuelCell{ownNone, 0}));

    // Border fields come after every inner field of the same sweep: (1, 0)
    // is filled by (1, 1) and goes in the same sweep; (1, 1) refilled by
    // it waits for the next.
    DuelBoard border = DuelPosition({".. p2", ".. p4"});
    explosions = 0;
    EXPECT_FALSE(Sweep(border, [&] { ++explosions; }));
    EXPECT_EQ(explosions, 2);
    EXPECT_EQ(border.At({1, 0}), (DuelCell{ownNone, 0}));
    EXPECT_EQ(border.At({1, 1}), (DuelCell{ownPlayer, 1}));
}

TEST(DuelBoard, TheChainStopsWhenStableOrWhenASideHasNoFieldLeft) {
    DuelBoard quiet = DuelPosition({"p1 c1"});
    EXPECT_EQ(SimulateCascade(quiet), 1);
    EXPECT_EQ(quiet, DuelPosition({"p1 c1"}));

    // The corner takes the computer's only field; (0, 1) would go next
    // sweep, but the duel is over.
    DuelBoard won = DuelPosition({"p2", "c2"});
    EXPECT_EQ(SimulateCascade(won), 1);
    EXPECT_EQ(won.At({0, 1}), (DuelCell{ownPlayer, 3}));
    EXPECT_EQ(CountCells(won, ownComputer), 0);
}

TEST(DuelBoard, AChainIsBoundedEvenIfItNeverSettled) {
    // A heap far beyond anything a duel builds runs for a while; the bound
    // stops it where asked, the board left as it stands.
    DuelBoard heap = DuelPosition({"", "", ".. .. p200", "", "", ".. .. .. .. .. c1"});
    DuelBoard bounded = heap;
    EXPECT_EQ(SimulateCascade(bounded, 5), 5);
    EXPECT_FALSE(Sweep(bounded));
    const int sweeps = SimulateCascade(heap);
    EXPECT_LT(sweeps, MaxSweeps);
    EXPECT_TRUE(Sweep(heap) || CountCells(heap, ownComputer) == 0);
}

TEST(DuelBoard, CountsStopAtTheTopInsteadOfWrapping) {
    // The frame ring beside a corner collects a gem at each of its
    // explosions, for the whole duel.
    DuelBoard board;
    for (int i = 0; i < 300; ++i) {
        board.At({0, 0}) = {ownPlayer, 2};
        Sweep(board);
    }
    EXPECT_EQ(board.At({-1, 0}), (DuelCell{ownPlayer, 255}));
    EXPECT_EQ(board.At({0, -1}), (DuelCell{ownPlayer, 255}));
}

}  // namespace
}  // namespace tarnwick
