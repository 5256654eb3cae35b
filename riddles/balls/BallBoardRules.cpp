// SPDX-License-Identifier: GPL-3.0-or-later
#include "riddles/balls/BallBoardRules.h"

#include <algorithm>

namespace tarnwick {

int BallBoardRules::Cell(BoardCell cell) const {
    const BoardGeometry& g = Geometry();
    return g.OnBoard(cell) ? board_[cell.row * g.columns + cell.col] : 0;
}

int BallBoardRules::Balls() const {
    return static_cast<int>(std::count_if(board_.begin(), board_.end(), [](int v) { return v != 0; }));
}

std::vector<BoardCell> BallBoardRules::BallCells() const {
    std::vector<BoardCell> balls;
    const BoardGeometry& g = Geometry();
    for (int r = 0; r < g.rows; ++r)
        for (int c = 0; c < g.columns; ++c)
            if (Cell({c, r}) != 0) balls.push_back({c, r});
    return balls;
}

int BallBoardRules::Lift(BoardCell cell) {
    if (dragKind_ != 0 || Cell(cell) == 0) return 0;
    dragKind_ = Cell(cell);
    dragFrom_ = cell;
    SetCell(cell, 0);
    return dragKind_;
}

Steps BallBoardRules::Drop(std::optional<BoardCell> target) {
    if (dragKind_ == 0) return {};
    const int kind = dragKind_;
    dragKind_ = 0;
    if (!Accepts(dragFrom_, target, kind)) {
        SetCell(dragFrom_, kind);
        Steps back{steps::PlayCue(CueRefused), steps::Hand(), steps::Cell(dragFrom_)};
        if (JudgesRefusedDrop()) back.push_back(steps::Judge());
        return back;
    }
    CountMove();
    Steps moved{steps::PlayCue(CueAccepted), steps::Hand()};
    for (BoardCell jumped : Jumped(dragFrom_, *target)) {
        SetCell(jumped, 0);
        moved.push_back(steps::Cell(jumped));
    }
    SetCell(*target, kind);
    moved.push_back(steps::Cell(*target));
    moved.push_back(steps::Judge());
    return moved;
}

bool BallBoardRules::Accepts(BoardCell from, std::optional<BoardCell> target, int kind) const {
    return target && Geometry().OnBoard(*target) && Cell(*target) == 0 && InReach(from, *target) &&
           AcceptsDrop(from, *target, kind);
}

bool BallBoardRules::Allows(BoardCell from, BoardCell to) {
    const int kind = Cell(from);
    if (dragKind_ != 0 || kind == 0) return false;
    SetCell(from, 0);
    const bool allowed = Accepts(from, to, kind);
    SetCell(from, kind);
    return allowed;
}

void BallBoardRules::SetValues(const std::vector<int>& values) {
    if (values.size() == board_.size()) board_ = values;
}

void BallBoardRules::SetBoard(const BoardGeometry& geometry) {
    SetGeometry(geometry);
    board_.assign(static_cast<std::size_t>(geometry.Cells()), 0);
    dragKind_ = 0;
    dragFrom_ = {};
}

void BallBoardRules::SetCell(BoardCell cell, int value) {
    const BoardGeometry& g = Geometry();
    if (g.OnBoard(cell)) board_[cell.row * g.columns + cell.col] = value;
}

bool BallBoardRules::AcceptsDrop(BoardCell, BoardCell, int) const { return true; }

std::vector<BoardCell> BallBoardRules::Jumped(BoardCell, BoardCell) const { return {}; }

bool BallBoardRules::InReach(BoardCell, BoardCell) const { return true; }

}  // namespace tarnwick
