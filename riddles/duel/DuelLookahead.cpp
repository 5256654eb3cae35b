// SPDX-License-Identifier: GPL-3.0-or-later
#include "riddles/duel/DuelLookahead.h"

#include <algorithm>
#include <climits>

#include "riddles/duel/DuelComputer.h"

namespace tarnwick {

std::vector<BoardCell> PlayerFields(const DuelBoard& board) {
    std::vector<BoardCell> fields;
    for (int c = 0; c < DuelBoard::Size; ++c)
        for (int r = 0; r < DuelBoard::Size; ++r)
            if (board.At({c, r}).owner != ownComputer) fields.push_back({c, r});
    return fields;
}

int PlayerStanding(const DuelBoard& board) {
    if (CountCells(board, ownComputer) == 0) return INT_MAX;
    if (CountCells(board, ownPlayer) == 0) return INT_MIN;
    return CountGems(board, ownPlayer) - CountGems(board, ownComputer);
}

BoardCell LookaheadPlayerMove(const DuelBoard& board) {
    constexpr int N = DuelBoard::Size;
    BoardCell best{0, 0};
    int bestStanding = INT_MIN;
    bool first = true;
    for (const BoardCell field : PlayerFields(board)) {
        DuelBoard afterMove = board;
        afterMove.AddGem(field, ownPlayer);
        SimulateCascade(afterMove);
        int standing = PlayerStanding(afterMove);
        if (standing != INT_MAX) {
            const DuelRatings ratings = RateComputerMoves(afterMove);
            int lowest = INT_MAX;
            for (int i = 0; i < N * N; ++i)
                if (afterMove.At({i / N, i % N}).owner != ownPlayer) lowest = std::min(lowest, ratings[i]);
            standing = INT_MAX;
            for (int i = 0; i < N * N; ++i) {
                const BoardCell answer{i / N, i % N};
                if (afterMove.At(answer).owner == ownPlayer || ratings[i] != lowest) continue;
                DuelBoard afterAnswer = afterMove;
                afterAnswer.AddGem(answer, ownComputer);
                SimulateCascade(afterAnswer);
                standing = std::min(standing, PlayerStanding(afterAnswer));
            }
        }
        if (first || standing > bestStanding) {
            best = field;
            bestStanding = standing;
            first = false;
        }
    }
    return best;
}

}  // namespace tarnwick
