// SPDX-License-Identifier: GPL-3.0-or-later
#include "riddles/fields/KnightRules.h"

#include <cstdlib>

#include "riddles/fields/KnightTour.h"

namespace tarnwick {

BiText KnightRules::RoomName() const { return {"Kammer der Springer", "Knight's room"}; }

BiText KnightRules::EntryMessage() const {
    return {"Du stehst vor der Kammer der Springer. Nimm Dich in Acht!",
            "You want to enter the knight's room. Pay attention!"};
}

std::vector<BiText> KnightRules::RulesMessages() const {
    return {{"Bewege die Kugel wie den Springer beim Schach, ein Feld gerade, ein Feld schräg.",
             "Move the ball as you would do it with a knight in a chess game, one field straightly, one "
             "diagonally."},
            {"Laß alle Felder verschwinden außer dem letzten, auf dem Deine Kugel liegt.",
             "Let all fields disappear except the last with your ball."}};
}

void KnightRules::SetUpLevel(int level) {
    const int n = BoardSize(level);
    // The column is drawn first, then the row.
    const int col = random_->Next(n);
    const int row = random_->Next(n);
    LayFields(CentredSquareBoard(n), {col, row});
}

bool KnightRules::CanJumpTo(BoardCell cell) const {
    if (!FieldThere(cell)) return false;
    const int dc = std::abs(cell.col - Ball().col);
    const int dr = std::abs(cell.row - Ball().row);
    return (dc == 2 && dr == 1) || (dc == 1 && dr == 2);
}

Steps KnightRules::Click(const BoardPoint& point) {
    const BoardCell to = point.cell;
    // A vanished field takes no clicks at all.
    if (!FieldThere(to)) return {};
    if (!CanJumpTo(to)) return {steps::PlayCue(CueRefused)};
    const BoardCell from = Ball();
    MoveBall(to);
    CountMove();
    return {steps::PlayCue(CueAccepted), steps::Cell(from), steps::Cell(to), steps::Judge()};
}

Hint KnightRules::NextMove() const {
    if (FieldsLeft() == 1) return Hint::Of(Hint::Solved);
    const TourSearch tour = FindTour(*this, HintBudget);
    switch (tour.result) {
    case TourSearch::Found: return Hint::Click(tour.jumps.front());
    case TourSearch::GaveUp: return Hint::Of(Hint::GaveUp);
    default: return Hint::Of(Hint::NoWay);
    }
}

}  // namespace tarnwick
