#pragma once
// Positions of the duel of exploding gems written as text, and two players
// to set against the chancellor: one who lays gems at random, and one who
// looks one answer of the chancellor ahead.
#include <algorithm>
#include <climits>
#include <sstream>
#include <string>
#include <vector>

#include "platform/Random.h"
#include "riddles/duel/DuelBoard.h"
#include "riddles/duel/DuelComputer.h"

namespace tarnwick::testing {

// Six rows of six fields, top row first: ".." empty, "p3" three of the
// player's gems, "c1" one of the computer's.
inline DuelBoard DuelPosition(const std::vector<std::string>& rows) {
    DuelBoard board;
    for (int r = 0; r < DuelBoard::Size && r < static_cast<int>(rows.size()); ++r) {
        std::istringstream fields(rows[static_cast<std::size_t>(r)]);
        std::string field;
        for (int c = 0; c < DuelBoard::Size && fields >> field; ++c) {
            if (field == "..") continue;
            DuelCell& cell = board.At({c, r});
            cell.owner = field[0] == 'p' ? ownPlayer : ownComputer;
            cell.count = static_cast<std::uint8_t>(std::stoi(field.substr(1)));
        }
    }
    return board;
}

// The fields the player may lay a gem on: empty or the player's own.
inline std::vector<BoardCell> PlayerFields(const DuelBoard& board) {
    std::vector<BoardCell> fields;
    for (int c = 0; c < DuelBoard::Size; ++c)
        for (int r = 0; r < DuelBoard::Size; ++r)
            if (board.At({c, r}).owner != ownComputer) fields.push_back({c, r});
    return fields;
}

inline BoardCell RandomPlayerMove(const DuelBoard& board, Random& random) {
    const std::vector<BoardCell> fields = PlayerFields(board);
    return fields[static_cast<std::size_t>(random.Next(static_cast<int>(fields.size())))];
}

// How a move stands for the player once the chain reactions are over.
inline int PlayerStanding(const DuelBoard& board) {
    if (CountCells(board, ownComputer) == 0) return INT_MAX;
    if (CountCells(board, ownPlayer) == 0) return INT_MIN;
    return CountGems(board, ownPlayer) - CountGems(board, ownComputer);
}

// Tries every field, works out the chancellor's answer with his own rating
// (the worst of his equally rated answers), and takes the field that
// leaves the player best off; the first such field, so the play is fixed.
inline BoardCell LookaheadPlayerMove(const DuelBoard& board) {
    BoardCell best = PlayerFields(board).front();
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
            for (int i = 0; i < DuelBoard::Size * DuelBoard::Size; ++i)
                if (afterMove.At({i / DuelBoard::Size, i % DuelBoard::Size}).owner != ownPlayer)
                    lowest = std::min(lowest, ratings[i]);
            standing = INT_MAX;
            for (int i = 0; i < DuelBoard::Size * DuelBoard::Size; ++i) {
                const BoardCell answer{i / DuelBoard::Size, i % DuelBoard::Size};
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

}  // namespace tarnwick::testing
