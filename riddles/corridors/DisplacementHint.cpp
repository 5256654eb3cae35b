// SPDX-License-Identifier: GPL-3.0-or-later
#include "riddles/corridors/DisplacementHint.h"

#include "riddles/corridors/DisplacementGraph.h"
#include "riddles/corridors/DisplacementTables.h"

namespace tarnwick {

Hint DisplacementHint(const DisplacementRules& room) {
    if (room.IsSolved()) return Hint::Of(Hint::Solved);
    const int level = room.Level() >= 1 && room.Level() <= 3 ? room.Level() : 1;
    const DisplacementGraph graph(level);
    const char* table = DisplacementTable[level - 1];

    std::vector<int> board = room.Values();
    const int here = DisplacementGraph::CodeIn(table, graph.Number(board));
    if (here == DisplacementGraph::Unreached) return Hint::Of(Hint::NoWay);
    for (const auto& [from, to] : graph.Steps(board)) {
        const auto a = static_cast<std::size_t>(from.row * DisplacementRules::BoardColumns + from.col);
        const auto b = static_cast<std::size_t>(to.row * DisplacementRules::BoardColumns + to.col);
        std::swap(board[a], board[b]);
        const int there = DisplacementGraph::CodeIn(table, graph.Number(board));
        std::swap(board[a], board[b]);
        // A step changes the distance by one at most: a step nearer is the
        // one whose distance by threes is one less.
        if (there == (here + 2) % 3) return Hint::Drag(from, to);
    }
    return Hint::Of(Hint::NoWay);
}

}  // namespace tarnwick
