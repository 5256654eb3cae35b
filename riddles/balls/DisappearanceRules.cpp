// SPDX-License-Identifier: GPL-3.0-or-later
#include "riddles/balls/DisappearanceRules.h"

#include <algorithm>
#include <cstdlib>


namespace tarnwick {

namespace {

using Rows = std::vector<const char*>;

// Rows from the top: o an ordinary ball, Y the yellow one.
const Rows Starts[] = {
    {".....", ".ooo.", ".oYo.", ".ooo.", "....."},
    {".....", "..o..", ".oYo.", "ooooo", "....."},
    {".....", ".oooo", ".oYo.", ".oo..", ".o..."},
};

int KindOf(char c) { return c == 'Y' ? DisappearanceRules::Yellow : DisappearanceRules::Ball; }

// The field between two fields two apart (straight or diagonal).
BoardCell Between(BoardCell from, BoardCell to) { return {(from.col + to.col) / 2, (from.row + to.row) / 2}; }

}  // namespace

BiText DisappearanceRules::RoomName() const { return {"Kammer des Verschwindens", "Room of disappearence"}; }

BiText DisappearanceRules::EntryMessage() const {
    return {"Du stehst vor der Kammer des Verschwindens. Sei auf der Hut!",
            "You want to enter the room of disappearance. Take care!"};
}

std::vector<BiText> DisappearanceRules::RulesMessages() const {
    return {{"Überspringe eine Kugel in waagrechter, senkrechter oder schräger Richtung, wenn der Platz dahinter "
             "frei ist.",
             "Take one ball and jump diagonally or straightly over another, if the field behind is empty."},
            {"Die Kugel, die Du übersprungen hast, wird dann verschwinden. Versuche die gelbe Kugel als letzte in "
             "der Mitte zu setzen.",
             "This ball will disappear. Try to leave the last ball on the field in the middle of the board."}};
}

void DisappearanceRules::SetUpLevel(int level) {
    SetBoard({70, 124, BoardSize, BoardSize});
    SetRows(Starts[std::clamp(level, 1, 3) - 1], KindOf);
}

// Two fields straight or diagonally...
bool DisappearanceRules::InReach(BoardCell from, BoardCell to) const {
    const int dc = std::abs(to.col - from.col);
    const int dr = std::abs(to.row - from.row);
    return (dc == 0 || dc == 2) && (dr == 0 || dr == 2);
}

// ... over a ball. Back onto its own field the ball would jump itself, and
// its field is empty while it is in hand.
bool DisappearanceRules::AcceptsDrop(BoardCell from, BoardCell to, int) const { return Cell(Between(from, to)) != 0; }

std::vector<BoardCell> DisappearanceRules::Jumped(BoardCell from, BoardCell to) const { return {Between(from, to)}; }

}  // namespace tarnwick
