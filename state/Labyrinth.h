// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The labyrinth's part of the game state: the palace cellar's 7 rows x 11
// columns of corridor tiles (the wall ring with its doors, exit and arrows
// around 5 x 9 movable tiles) and the player standing on one of them.
#include <cstdint>

namespace tarnwick {

constexpr int GridRows = 7;
constexpr int GridCols = 11;

// Direction codes, shared with the player's facing.
enum Direction { East = 0, North = 1, West = 2, South = 3 };

// Tile kinds 0..20.
enum TileKind {
    CorridorEW = 0, CorridorNS = 1,
    BendNE = 2, BendNW = 3, BendSW = 4, BendSE = 5,
    Crossing = 6,
    JunctionNSW = 7, JunctionNEW = 8, JunctionNES = 9, JunctionESW = 10,
    DoorTop = 11, DoorRight = 12, DoorLeft = 13, DoorBottom = 14,
    ExitTile = 15,
    ArrowTop = 16, ArrowLeft = 17, ArrowBottom = 18, ArrowRight = 19,
    WallCorner = 20,
};
constexpr int TileKindCount = 21;

using CorridorGrid = std::int32_t[GridRows][GridCols];

struct LabyrinthState {
    CorridorGrid Grid = {};
    std::int32_t PlayerCol = 0;
    std::int32_t PlayerRow = 3;
    std::int32_t PlayerFacing = East;
    bool MazeRestored = false;
};

}  // namespace tarnwick
