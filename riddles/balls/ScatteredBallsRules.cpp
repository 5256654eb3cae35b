// SPDX-License-Identifier: GPL-3.0-or-later
#include "riddles/balls/ScatteredBallsRules.h"

#include <algorithm>
#include <vector>

#include "riddles/balls/ScatteredBallsSolver.h"

namespace tarnwick {

int ScatteredBallsRules::MostBallsOnALine() const {
    const int n = Geometry().columns;
    std::vector<int> columns(n), rows(n), downRight(2 * n), downLeft(2 * n);
    int most = 0;
    for (int c = 0; c < n; ++c) {
        for (int r = 0; r < n; ++r) {
            if (Cell({c, r}) == 0) continue;
            most = std::max({most, ++columns[c], ++rows[r], ++downRight[c - r + n], ++downLeft[c + r]});
        }
    }
    return most;
}

void ScatteredBallsRules::SetUpLevel(int level) {
    const int n = BoardSize(level);
    Scatter(n, perLine_ * n);
}

void ScatteredBallsRules::Scatter(int n, int balls) {
    SetBoard(CentredSquareBoard(n));
    // A generator that keeps hitting taken fields (a scripted one) must not
    // hang the room: after this many misses in a row the first empty field
    // is taken instead.
    const int patience = 64 * n * n;
    int misses = 0;
    for (int placed = 0; placed < std::min(balls, n * n);) {
        const int col = random_->Next(n);
        const int row = random_->Next(n);
        BoardCell cell{col, row};
        if (!Geometry().OnBoard(cell) || Cell(cell) != 0) {
            if (++misses < patience) continue;
            cell = FirstEmptyField();
        }
        misses = 0;
        SetCell(cell, Ball);
        ++placed;
    }
}

Hint ScatteredBallsRules::NextMove() const {
    const std::vector<DragMove> moves = PlacementMoves(*this, NearestSolvedPosition(*this));
    if (moves.empty()) return Hint::Of(Hint::NoWay);
    return Hint::Drag(moves.front().from, moves.front().to);
}

BoardCell ScatteredBallsRules::FirstEmptyField() const {
    const BoardGeometry& g = Geometry();
    for (int c = 0; c < g.columns; ++c)
        for (int r = 0; r < g.rows; ++r)
            if (Cell({c, r}) == 0) return {c, r};
    return {};
}

}  // namespace tarnwick
