// SPDX-License-Identifier: GPL-3.0-or-later
#include "riddles/duel/DuelBoard.h"

namespace tarnwick {

namespace {

struct SweepField {
    int index;  // DuelBoard::Index of the field
    std::uint8_t mass;
};

// The fields in the order a sweep tests them.
constexpr std::array<SweepField, DuelBoard::Size * DuelBoard::Size> SweepOrder = [] {
    std::array<SweepField, DuelBoard::Size * DuelBoard::Size> order{};
    int n = 0;
    auto add = [&](int col, int row, int mass) {
        order[n++] = {DuelBoard::Index({col, row}), static_cast<std::uint8_t>(mass)};
    };
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

void Explode(DuelBoard& board, const SweepField& f) {
    DuelCell& field = board[f.index];
    const Owner owner = static_cast<Owner>(field.owner);
    board.AddGem(f.index + DuelBoard::Stride, owner);
    board.AddGem(f.index - DuelBoard::Stride, owner);
    board.AddGem(f.index + 1, owner);
    board.AddGem(f.index - 1, owner);
    field.count = static_cast<std::uint8_t>(field.count - f.mass);
    if (field.count == 0) field.owner = ownNone;
}

template <typename Exploded>
bool SweepWith(DuelBoard& board, Exploded&& exploded) {
    bool stable = true;
    for (const SweepField& f : SweepOrder) {
        if (board[f.index].count < f.mass) continue;
        Explode(board, f);
        stable = false;
        exploded();
    }
    return stable;
}

// Whether both sides still hold a field.
bool BothOnTheField(const DuelBoard& board) {
    bool player = false, computer = false;
    for (const SweepField& f : SweepOrder) {
        const std::uint8_t owner = board[f.index].owner;
        player |= owner == ownPlayer;
        computer |= owner == ownComputer;
        if (player && computer) return true;
    }
    return false;
}

}  // namespace

int CriticalMass(BoardCell cell) {
    const bool edgeCol = cell.col == 0 || cell.col == DuelBoard::Size - 1;
    const bool edgeRow = cell.row == 0 || cell.row == DuelBoard::Size - 1;
    return 4 - edgeCol - edgeRow;
}

int CountCells(const DuelBoard& board, Owner owner) {
    int n = 0;
    for (const SweepField& f : SweepOrder) n += board[f.index].owner == owner;
    return n;
}

int CountGems(const DuelBoard& board, Owner owner) {
    int n = 0;
    for (const SweepField& f : SweepOrder) {
        const DuelCell& c = board[f.index];
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
        if (Sweep(board) || !BothOnTheField(board)) break;
    }
    return sweeps;
}

}  // namespace tarnwick
