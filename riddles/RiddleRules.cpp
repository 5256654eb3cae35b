#include "riddles/RiddleRules.h"

namespace tarnwick {

void RiddleRules::InitLevel(int level) {
    level_ = level;
    dragKind_ = 0;
    dragFrom_ = {};
    SetUpLevel(level);
}

bool RiddleRules::OnBoard(BoardCell cell) const {
    return cell.col >= 0 && cell.col < cols_ && cell.row >= 0 && cell.row < rows_;
}

int RiddleRules::Cell(BoardCell cell) const {
    return OnBoard(cell) ? board_[cell.row * cols_ + cell.col] : 0;
}

std::optional<BoardCell> RiddleRules::CellAt(int x, int y) const {
    // Left of or above the board is off it; dividing first would round
    // points just outside onto column or row 0.
    if (x < left_ || y < top_) return std::nullopt;
    const BoardCell cell{(x - left_) / CellSize, (y - top_) / CellSize};
    if (!OnBoard(cell)) return std::nullopt;
    return cell;
}

Pixel RiddleRules::CellCentre(BoardCell cell) const {
    return {left_ + CellSize * cell.col + CellSize / 2, top_ + CellSize * cell.row + CellSize / 2};
}

bool RiddleRules::Lift(BoardCell cell) {
    if (dragKind_ != 0 || Cell(cell) == 0) return false;
    dragKind_ = Cell(cell);
    dragFrom_ = cell;
    SetCell(cell, 0);
    return true;
}

DropOutcome RiddleRules::Drop(std::optional<BoardCell> target) {
    if (dragKind_ == 0) return DropOutcome::NothingInHand;
    const int kind = dragKind_;
    dragKind_ = 0;
    if (!target || !OnBoard(*target) || Cell(*target) != 0 ||
        !AcceptsDrop(dragFrom_, *target, kind)) {
        SetCell(dragFrom_, kind);
        return DropOutcome::Refused;
    }
    ApplyDrop(dragFrom_, *target, kind);
    SetCell(*target, kind);
    return DropOutcome::Accepted;
}

void RiddleRules::SetBoard(int left, int top, int columns, int rows) {
    left_ = left;
    top_ = top;
    cols_ = columns;
    rows_ = rows;
    board_.assign(static_cast<std::size_t>(columns * rows), 0);
}

void RiddleRules::SetCell(BoardCell cell, int value) {
    if (OnBoard(cell)) board_[cell.row * cols_ + cell.col] = value;
}

bool RiddleRules::AcceptsDrop(BoardCell, BoardCell, int) const { return true; }

void RiddleRules::ApplyDrop(BoardCell, BoardCell, int) {}

}  // namespace tarnwick
