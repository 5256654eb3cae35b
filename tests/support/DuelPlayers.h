// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Positions of the duel of exploding gems written as text, and a player
// who lays gems at random (the game's hint plays one who looks one answer
// of the chancellor ahead: riddles/duel/DuelLookahead.h).
#include <sstream>
#include <string>
#include <vector>

#include "platform/Random.h"
#include "riddles/duel/DuelBoard.h"
#include "riddles/duel/DuelComputer.h"
#include "riddles/duel/DuelLookahead.h"

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

inline BoardCell RandomPlayerMove(const DuelBoard& board, Random& random) {
    const std::vector<BoardCell> fields = PlayerFields(board);
    return fields[static_cast<std::size_t>(random.Next(static_cast<int>(fields.size())))];
}

}  // namespace tarnwick::testing
