#include "riddles/balls/ConfusionRules.h"

#include <algorithm>
#include <array>

#include "riddles/balls/ConfusionSolver.h"
#include "riddles/balls/KnightMove.h"

namespace tarnwick {

namespace {

using Table = std::array<const char*, ConfusionRules::BoardSize>;

// Rows from the top: R red, Y yellow, . the empty field.
const Table Starts[] = {
    {"RRRRR", "RRRRR", "RR.YY", "YYYYY", "YYYYY"},
    {"RRRRR", "RRRRY", "RR.YY", "RYYYY", "YYYYY"},
    {"RRRRR", "RRRYY", "RR.YY", "RRYYY", "YYYYY"},
};
const Table Targets[] = {
    {"YYYYY", "YYYYY", "YY.RR", "RRRRR", "RRRRR"},
    {"YYYYY", "YYYYR", "YY.RR", "YRRRR", "RRRRR"},
    {"YYYYY", "YYYRR", "YY.RR", "YYRRR", "RRRRR"},
};

std::vector<int> ValuesOf(const Table& table) {
    std::vector<int> values;
    for (const char* row : table)
        for (int c = 0; c < ConfusionRules::BoardSize; ++c)
            values.push_back(row[c] == 'R' ? ConfusionRules::Red : row[c] == 'Y' ? ConfusionRules::Yellow : 0);
    return values;
}

int LevelIndex(int level) { return std::clamp(level, 1, 3) - 1; }

}  // namespace

BiText ConfusionRules::RoomName() const { return {"Kammer des Verwechslung", "Room of confusion"}; }

BiText ConfusionRules::EntryMessage() const {
    return {"Du stehst vor der Kammer des Verwechslung. Behalte die Übersicht!",
            "You want to enter the room of confusion. Don't loose control!"};
}

std::vector<BiText> ConfusionRules::RulesMessages() const {
    return {{"Laß die roten und die gelben Kugeln ihre Plätze wechseln.", "Change the red and the yellow balls."},
            {"Ziehe die Kugeln wie den Springer beim Schach, ein Feld gerade, ein Feld schräg.",
             "Move as the knight would do in the chess game, one field straightly and one diagonally."}};
}

std::vector<int> ConfusionRules::Target() const { return ValuesOf(Targets[LevelIndex(Level())]); }

void ConfusionRules::SetUpLevel(int level) {
    SetBoard({70, 124, BoardSize, BoardSize});
    SetValues(ValuesOf(Starts[LevelIndex(level)]));
}

bool ConfusionRules::AcceptsDrop(BoardCell from, BoardCell to, int) const { return KnightMove(from, to); }

Hint ConfusionRules::NextMove() const {
    if (IsSolved()) return Hint::Of(Hint::Solved);
    const std::vector<int> here = Values();
    for (std::size_t i = 0; i < wayMoves_.size(); ++i)
        if (way_[i] == here) return Hint::Drag(wayMoves_[i].from, wayMoves_[i].to);
    ConfusionSolver solver(*this);
    wayMoves_ = solver.Solve(*this, DragHintBound);
    way_.clear();
    if (wayMoves_.empty()) return Hint::Of(solver.GaveUp() ? Hint::GaveUp : Hint::NoWay);
    ConfusionRules walker = *this;
    for (const DragMove& move : wayMoves_) {
        way_.push_back(walker.Values());
        walker.Lift(move.from);
        walker.Drop(move.to);
    }
    return Hint::Drag(wayMoves_.front().from, wayMoves_.front().to);
}

}  // namespace tarnwick
