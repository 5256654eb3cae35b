// SPDX-License-Identifier: GPL-3.0-or-later
#include "riddles/balls/EntanglingRules.h"

#include <cstdlib>


namespace tarnwick {

namespace {
constexpr int RedColumn = 0;
constexpr int BlueColumn = EntanglingRules::BoardColumns - 1;
}  // namespace

BiText EntanglingRules::RoomName() const {
    return {"Kammer der Verschlingung", "Room of entangling"};
}

BiText EntanglingRules::EntryMessage() const {
    return {"Du stehst vor der Kammer des Verschlingung. Laß Dich nicht verwirren!",
            "You want to enter the room of entangling. Don't be confused."};
}

std::vector<BiText> EntanglingRules::RulesMessages() const {
    return {{"Vertausche die roten und die blauen Kugeln. Ziehe schräg so weit du willst oder kannst.",
             "Change red and blue. Move diagonally as far as you want or as far as you are able to."},
            {"Achte darauf, daß sich nie eine rote und eine blaue auf einer schrägen Linie befinden dürfen.",
             "Mind, a red and a blue ball must never be on a diagonal line."}};
}

// Level 1: two balls a side on rows 1 and 3; level 2: rows 1 to 3; level 3:
// all four rows.
bool EntanglingRules::StartRow(int level, int row) {
    switch (level) {
    case 1: return row == 1 || row == 3;
    case 2: return row >= 1 && row <= 3;
    default: return row >= 0 && row < BoardRows;
    }
}

void EntanglingRules::SetUpLevel(int level) {
    SetBoard({70, 140, BoardColumns, BoardRows});
    for (int row = 0; row < BoardRows; ++row) {
        if (!StartRow(level, row)) continue;
        SetCell({RedColumn, row}, Red);
        SetCell({BlueColumn, row}, Blue);
    }
}

bool EntanglingRules::InReach(BoardCell from, BoardCell to) const {
    return std::abs(to.col - from.col) == std::abs(to.row - from.row);
}

bool EntanglingRules::AcceptsDrop(BoardCell, BoardCell to, int kind) const {
    // Both whole diagonal lines through the target, past any ball on them.
    for (int dc : {-1, 1}) {
        for (int dr : {-1, 1}) {
            for (int d = 1; d < BoardRows; ++d) {
                const int ball = Cell({to.col + dc * d, to.row + dr * d});
                if (ball != 0 && ball != kind) return false;
            }
        }
    }
    return true;
}

bool EntanglingRules::IsSolved() const {
    for (int row = 0; row < BoardRows; ++row) {
        if (!StartRow(Level(), row)) continue;
        if (Cell({RedColumn, row}) != Blue || Cell({BlueColumn, row}) != Red) return false;
    }
    return true;
}

}  // namespace tarnwick
