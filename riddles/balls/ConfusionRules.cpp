// SPDX-License-Identifier: GPL-3.0-or-later
#include "riddles/balls/ConfusionRules.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <optional>

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

BoardCell CellOf(int field) { return {field % ConfusionRules::BoardSize, field / ConfusionRules::BoardSize}; }

// A table file's bytes; nothing for anything but a regular file of at most
// a few megabytes.
std::optional<std::string> ReadTable(const std::string& path) {
    constexpr std::uintmax_t Limit = 8u << 20;
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size > Limit) return std::nullopt;
    std::ifstream file(path, std::ios::binary);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    if (!file.read(bytes.data(), static_cast<std::streamsize>(size))) return std::nullopt;
    return bytes;
}

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

bool ConfusionRules::InReach(BoardCell from, BoardCell to) const { return KnightMove(from, to); }

confusion::Jumps ConfusionRules::Jumps() const {
    // One ball alone on the board, asked for every field it might land on.
    ConfusionRules lone = *this;
    confusion::Jumps jumps;
    for (int from = 0; from < confusion::Fields; ++from) {
        std::vector<int> values(confusion::Fields, 0);
        values[static_cast<std::size_t>(from)] = Red;
        lone.SetValues(values);
        for (int to = 0; to < confusion::Fields; ++to)
            if (lone.Allows(CellOf(from), CellOf(to))) jumps[static_cast<std::size_t>(to)].push_back(from);
    }
    return jumps;
}

std::string ConfusionRules::TableName(int level) { return "confusion" + std::to_string(level) + ".tbl"; }

const confusion::DistanceTable* ConfusionRules::Table() const {
    const auto at = static_cast<std::size_t>(LevelIndex(Level()));
    if (!tables_->tried[at] && !tableFolder_.empty()) {
        tables_->tried[at] = true;
        const auto target = confusion::PositionOf(Target(), Red, Yellow);
        const auto bytes = ReadTable(tableFolder_ + TableName(Level()));
        if (target && bytes) {
            if (auto table = confusion::DistanceTable::Read(*bytes, *target, Jumps()))
                tables_->level[at] = std::make_unique<const confusion::DistanceTable>(std::move(*table));
        }
    }
    return tables_->level[at].get();
}

Hint ConfusionRules::NextMove() const {
    if (IsSolved()) return Hint::Of(Hint::Solved);
    const auto here = confusion::PositionOf(Values(), Red, Yellow);
    if (const auto* table = Table(); table && here) {
        if (const auto ball = table->NextJump(*here)) return Hint::Drag(CellOf(*ball), CellOf(here->empty));
    }
    return SearchedMove();
}

Hint ConfusionRules::SearchedMove() const {
    const std::vector<int> here = Values();
    for (std::size_t i = 0; i < wayMoves_.size(); ++i)
        if (way_[i] == here) return Hint::Drag(wayMoves_[i].from, wayMoves_[i].to);
    if (!solver_ || solver_->Target() != Target()) solver_ = std::make_shared<ConfusionSolver>(*this);
    wayMoves_ = solver_->Solve(*this, DragHintBound);
    way_.clear();
    if (wayMoves_.empty()) return Hint::Of(solver_->GaveUp() ? Hint::GaveUp : Hint::NoWay);
    ConfusionRules walker = *this;
    for (const DragMove& move : wayMoves_) {
        way_.push_back(walker.Values());
        walker.Lift(move.from);
        walker.Drop(move.to);
    }
    return Hint::Drag(wayMoves_.front().from, wayMoves_.front().to);
}

}  // namespace tarnwick
