// SPDX-License-Identifier: GPL-3.0-or-later
#include "riddles/corridors/DisplacementRules.h"

#include <cstdlib>

#include "riddles/corridors/DisplacementHint.h"
#include "riddles/corridors/DisplacementLayouts.h"

namespace tarnwick {

namespace {

bool Neighbours(BoardCell a, BoardCell b) { return std::abs(a.col - b.col) + std::abs(a.row - b.row) == 1; }

}  // namespace

BiText DisplacementRules::RoomName() const { return {"Kammer der Verschiebung", "Room of displacement"}; }

BiText DisplacementRules::EntryMessage() const {
    return {"Du stehst vor der Kammer der Verschiebung. Laß Dich nicht abschieben!",
            "You want to enter the room of displacement. Don't let you push away."};
}

std::vector<BiText> DisplacementRules::RulesMessages() const {
    std::vector<BiText> messages{
        {"Verschiebe die Kugeln in den schwarzen Gängen. Laß die roten und die grünen Kugeln ihre Plätze wechseln. ",
         "Move the balls in the black corridors. The red and the green ones shall change their locations."}};
    if (Level() == 3)
        messages.push_back({"Verlaß die gelben Kugeln dort, wo Du sie angefunden hast.",
                            "Leave the yellow balls at the place you found them."});
    return messages;
}

int DisplacementRules::Cell(BoardCell cell) const {
    if (!Geometry().OnBoard(cell)) return Wall;
    return board_[static_cast<std::size_t>(cell.row * BoardColumns + cell.col)];
}

bool DisplacementRules::IsSolved() const { return board_ == goal_; }

bool DisplacementRules::Grab(BoardCell cell) {
    if (held_ != 0 || Cell(cell) <= Corridor) return false;
    held_ = Cell(cell);
    heldAt_ = cell;
    return true;
}

Steps DisplacementRules::PushTo(std::optional<BoardCell> cell) {
    // The ball waits while the mouse is off the board, on a wall or a ball,
    // or more than one straight step away.
    if (held_ == 0 || !cell || Cell(*cell) != Corridor || !Neighbours(heldAt_, *cell)) return {};
    const BoardCell from = heldAt_;
    board_[static_cast<std::size_t>(from.row * BoardColumns + from.col)] = Corridor;
    board_[static_cast<std::size_t>(cell->row * BoardColumns + cell->col)] = held_;
    heldAt_ = *cell;
    CountMove();
    return {steps::PlayCue(CueAccepted), steps::Cell(from), steps::Cell(*cell)};
}

Steps DisplacementRules::Release() {
    if (held_ == 0) return {};
    held_ = 0;
    // Every drag is judged, also one in which the ball never moved.
    return {steps::Judge()};
}

Hint DisplacementRules::NextMove() const { return DisplacementHint(*this); }

void DisplacementRules::SetValues(const std::vector<int>& values) {
    if (values.size() == board_.size()) board_ = values;
}

void DisplacementRules::SetUpLevel(int level) {
    SetGeometry({38, 108, BoardColumns, BoardRows});
    const DisplacementLayout& layout = DisplacementLayoutOf(level);
    board_ = DisplacementValues(layout.start);
    goal_ = DisplacementValues(layout.goal);
    held_ = 0;
    heldAt_ = {};
}

}  // namespace tarnwick
