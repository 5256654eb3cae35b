#include "riddles/DuelBoard.h"

namespace tarnwick {

namespace {

struct SweepField {
    BoardCell cell;
    std::uint8_t mass;
};

// The fields in the order a sweep tests them.
constexpr std::array<SweepField, DuelBoard::Size * DuelBoard::Size> SweepOrder = [] {
    std::array<SweepField, DuelBoard::Size * DuelBoard::Size> order{};
    int n = 0;
    auto add = [&](int col, int row, int mass) { order[n++] = {{col, row}, static_cast<std::uint8_t>(mass)}; };
    for (int c = 1; c <= 4; ++c)
        for (int r = 1; r <= 4; ++r) add(c, r, 4);
    for (int c : {0, 5}) {
        for (int r = 1; r <= 4; ++r) add(c, r, 3);
        add(c, 0, 2);
        add(c, 5, 2);
    }
    for (int r : {0, 5})
        for (int c = 1; c <= 4; ++c) add(c, r, 3);
    return order;
}();

void Explode(DuelBoard& board, BoardCell cell, std::uint8_t mass) {
    DuelCell& field = board.At(cell);
    const Owner owner = static_cast<Owner>(field.owner);
    for (const BoardCell next : {BoardCell{cell.col + 1, cell.row}, BoardCell{cell.col - 1, cell.row},
                                 BoardCell{cell.col, cell.row + 1}, BoardCell{cell.col, cell.row - 1}})
        board.AddGem(next, owner);
    field.count = static_cast<std::uint8_t>(field.count - mass);
    if (field.count == 0) field.owner = ownNone;
}

template <typename Exploded>
bool SweepWith(DuelBoard& board, Exploded&& exploded) {
    bool stable = true;
    for (const SweepField& f : SweepOrder) {
        if (board.At(f.cell).count < f.mass) continue;
        Explode(board, f.cell, f.mass);
        stable = false;
        exploded();
    }
    return stable;
}

}  // namespace

void DuelBoard::AddGem(BoardCell cell, Owner owner) {
    DuelCell& c = At(cell);
    c.owner = owner;
    if (c.count < 255) ++c.count;
}

int CriticalMass(BoardCell cell) {
    const bool edgeCol = cell.col == 0 || cell.col == DuelBoard::Size - 1;
    const bool edgeRow = cell.row == 0 || cell.row == DuelBoard::Size - 1;
    return 4 - edgeCol - edgeRow;
}

int CountCells(const DuelBoard& board, Owner owner) {
    int n = 0;
    for (const SweepField& f : SweepOrder) n += board.At(f.cell).owner == owner;
    return n;
}

int CountGems(const DuelBoard& board, Owner owner) {
    int n = 0;
    for (const SweepField& f : SweepOrder) {
        const DuelCell& c = board.At(f.cell);
        if (c.owner == owner) n += c.count;
    }
    return n;
}

bool Sweep(DuelBoard& board) {
    return SweepWith(board, [] {});
}

bool Sweep(DuelBoard& board, const std::function<void()>& exploded) {
    return SweepWith(board, exploded);
}

int SimulateCascade(DuelBoard& board, int maxSweeps) {
    int sweeps = 0;
    while (sweeps < maxSweeps) {
        ++sweeps;
        if (Sweep(board)) break;
        if (CountCells(board, ownPlayer) == 0 || CountCells(board, ownComputer) == 0) break;
    }
    return sweeps;
}

}  // namespace tarnwick
