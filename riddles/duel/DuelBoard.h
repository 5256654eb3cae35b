// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The board of the duel of exploding gems: 6 x 6 fields inside a frame ring
// that catches the gems thrown off the field, who owns each field and how
// many gems lie on it, and the chain reaction that follows a move. Every
// function here works on any board value, the real one or a copy.
#include <array>
#include <cstdint>
#include <functional>

#include "riddles/frame/Board.h"

namespace tarnwick {

enum Owner : std::uint8_t { ownNone = 0, ownPlayer = 1, ownComputer = 2 };

enum DuelState : std::uint8_t {
    dsRunning = 0,
    dsOpening = 1,      // the board is clear; the player has not moved yet
    dsPlayerWon = 2,    // the computer owns no field
    dsComputerWon = 3,  // the player owns no field
};

struct DuelCell {
    std::uint8_t owner = ownNone;
    // Gems on the cell. Stops at 255 rather than wrapping round (only the
    // frame ring, which collects gems for the whole duel, gets near it).
    std::uint8_t count = 0;
    friend bool operator==(const DuelCell&, const DuelCell&) = default;
};

// Columns and rows -1..6; the playing field is 0..5 x 0..5, the rest is the
// frame ring, never drawn, counted or tested.
class DuelBoard {
public:
    static constexpr int Size = 6;

    // Cells are stored column by column, the ring included: the cell below
    // is the next one, the cell to the right `Stride` further on.
    static constexpr int Stride = Size + 2;
    static constexpr int Index(BoardCell cell) { return (cell.col + 1) * Stride + cell.row + 1; }

    DuelCell& At(BoardCell cell) { return cells_[Index(cell)]; }
    const DuelCell& At(BoardCell cell) const { return cells_[Index(cell)]; }
    DuelCell& operator[](int index) { return cells_[index]; }
    const DuelCell& operator[](int index) const { return cells_[index]; }
    // One gem more on a cell, which becomes `owner`'s.
    void AddGem(BoardCell cell, Owner owner) { AddGem(Index(cell), owner); }
    void AddGem(int index, Owner owner) {
        DuelCell& c = cells_[index];
        c.owner = owner;
        if (c.count < 255) ++c.count;
    }

    friend bool operator==(const DuelBoard&, const DuelBoard&) = default;

private:
    std::array<DuelCell, Stride * Stride> cells_{};
};

// The number of a field's neighbours on the playing field: 2 in the
// corners, 3 along the edges, 4 inside. A field explodes at that count.
int CriticalMass(BoardCell cell);
// Fields of the playing field that `owner` holds, and the gems on them.
int CountCells(const DuelBoard& board, Owner owner);
int CountGems(const DuelBoard& board, Owner owner);

// One explosion pass: every field tested once, the inner fields first
// (columns 1..4, rows 1..4 within each), then column 0 (rows 1..4, then the
// corners (0,0) and (0,5)), column 5 likewise, row 0 (columns 1..4) and
// row 5. A field at or above its critical mass throws one gem onto each
// neighbour, which becomes its owner's, and keeps the rest. Returns true
// when no field exploded.
bool Sweep(DuelBoard& board);
// The same pass, calling `exploded` after every explosion.
bool Sweep(DuelBoard& board, const std::function<void()>& exploded);

// A chain runs at most this many sweeps. Real chains settle within a few
// dozen; the bound only keeps a fault from hanging the game.
constexpr int MaxSweeps = 10000;

// The silent chain reaction: sweeps until one is stable or one side owns
// no field, at most `maxSweeps`. Returns the number of sweeps run.
int SimulateCascade(DuelBoard& board, int maxSweeps = MaxSweeps);

}  // namespace tarnwick
