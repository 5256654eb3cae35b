// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules of the palace cellar: which ways each tile kind opens, where
// the doors and arrows lie in the wall ring, shifting a line and walking.
// Plain data and functions; the labyrinth scene draws it and feeds it clicks.
#include "state/Labyrinth.h"

namespace tarnwick {

extern const CorridorGrid TargetGrid;

// Whether a tile kind has an opening towards the given direction.
bool OpenTo(int kind, int direction);

// The door number 1..13 whose cell this is, or 0.
int DoorAt(int col, int row);
struct Cell { int col, row; };
Cell DoorCell(int door);

constexpr Cell ExitCell{0, 3};

// The line and direction an arrow cell moves; false for any other cell.
bool ArrowAt(int col, int row, int& line, int& direction);

// Rotates one movable line by one cell and carries the player along.
// Returns false (and changes nothing) for a fixed line or a bad direction.
bool ShiftGrid(LabyrinthState& state, int line, int direction);

bool GridEquals(const CorridorGrid& a, const CorridorGrid& b);
void CopyGrid(CorridorGrid& to, const CorridorGrid& from);

// The direction a click on (col, row) walks the player, or -1 when the
// click matches no walk (not in line, beside the grid, or corridors closed).
int WalkDirection(const LabyrinthState& state, int col, int row);

}  // namespace tarnwick
