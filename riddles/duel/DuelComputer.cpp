// SPDX-License-Identifier: GPL-3.0-or-later
#include "riddles/duel/DuelComputer.h"

#include <algorithm>

namespace tarnwick {

namespace {

constexpr int N = DuelBoard::Size;

BoardCell FieldOf(int index) { return {index / N, index % N}; }

// Where each field of the rating order lies on the board.
constexpr std::array<int, N * N> Cells = [] {
    std::array<int, N * N> cells{};
    for (int i = 0; i < N * N; ++i) cells[i] = DuelBoard::Index({i / N, i % N});
    return cells;
}();

// The fewest gems any reply leaves the player with.
int WeakestReply(const DuelBoard& afterMove) {
    int fewest = RatingNoMove;
    for (const int cell : Cells) {
        if (afterMove[cell].owner == ownComputer) continue;
        DuelBoard reply = afterMove;
        reply.AddGem(cell, ownPlayer);
        SimulateCascade(reply);
        fewest = std::min(fewest, CountGems(reply, ownPlayer));
    }
    return fewest;
}

}  // namespace

DuelRatings RateComputerMoves(const DuelBoard& board) {
    DuelRatings ratings;
    ratings.fill(RatingNoMove);
    for (int i = 0; i < N * N; ++i) {
        if (board[Cells[i]].owner == ownPlayer) continue;
        DuelBoard afterMove = board;
        afterMove.AddGem(Cells[i], ownComputer);
        SimulateCascade(afterMove);
        ratings[i] = CountCells(afterMove, ownPlayer) == 0 ? RatingWinning : WeakestReply(afterMove);
    }
    return ratings;
}

BoardCell ChooseComputerMove(const DuelBoard& board, Random& random) {
    const DuelRatings ratings = RateComputerMoves(board);
    int best = RatingNoMove + 1;
    int ties = 0;
    for (int i = 0; i < N * N; ++i) {
        if (board[Cells[i]].owner == ownPlayer) continue;
        if (ratings[i] < best) {
            best = ratings[i];
            ties = 1;
        } else if (ratings[i] == best) {
            ++ties;
        }
    }
    // A generator that strays out of range still picks one of the ties.
    int pick = ties > 1 ? std::clamp(random.Next(ties), 0, ties - 1) : 0;
    for (int i = 0; i < N * N; ++i) {
        if (board[Cells[i]].owner == ownPlayer || ratings[i] != best) continue;
        if (pick-- == 0) return FieldOf(i);
    }
    return {0, 0};  // only when the player owns every field, which ends the duel first
}

}  // namespace tarnwick
