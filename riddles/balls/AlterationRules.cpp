// SPDX-License-Identifier: GPL-3.0-or-later
#include "riddles/balls/AlterationRules.h"

#include <algorithm>

#include "riddles/balls/KnightMove.h"

namespace tarnwick {

namespace {

using Rows = std::vector<const char*>;

// The start of each level, top row first: G green, Y yellow.
const Rows& StartRows(int level) {
    static const Rows starts[] = {
        {"G.G", "...", "Y.Y"},
        {"G.G", "...", "...", "Y.Y"},
        {"GGG", "...", "...", "YYY"},
    };
    return starts[std::clamp(level, 1, 3) - 1];
}

int KindOf(char c) { return c == 'G' ? AlterationRules::Green : AlterationRules::Yellow; }

}  // namespace

BiText AlterationRules::RoomName() const { return {"Kammer der Veränderung", "Room of alteration"}; }

BiText AlterationRules::EntryMessage() const {
    return {"Du stehst vor der Kammer der Veränderung. Laß Dich nicht umdrehen!",
            "You want to enter the room of alteration. Don't let you turn around."};
}

std::vector<BiText> AlterationRules::RulesMessages() const {
    return {{"Vertausche grün mit gelb. Ziehe wie der Springer beim Schach, ein Feld gerade, ein Feld schräg.",
             "Change green and yellow. Move as the knight would do in the chess game, one field straightly, one "
             "diagonally."}};
}

// Three rows on level 1, four on the others; the board stays centred
// around the same middle.
void AlterationRules::SetUpLevel(int level) {
    const Rows& rows = StartRows(level);
    const int rowCount = static_cast<int>(rows.size());
    SetBoard({102, rowCount == 3 ? 156 : 140, BoardColumns, rowCount});
    SetRows(rows, KindOf);
}

bool AlterationRules::InReach(BoardCell from, BoardCell to) const { return KnightMove(from, to); }

// Every field that held a ball at the start holds the other colour.
bool AlterationRules::IsSolved() const {
    const Rows& rows = StartRows(Level());
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
        for (int c = 0; rows[r][c] != '\0'; ++c) {
            if (rows[r][c] == '.') continue;
            const int other = KindOf(rows[r][c]) == Green ? Yellow : Green;
            if (Cell({c, r}) != other) return false;
        }
    return true;
}

}  // namespace tarnwick
