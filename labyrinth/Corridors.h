#pragma once
// The palace cellar: 7 rows x 11 columns of corridor tiles, the wall ring
// with its doors, exit and arrows, and the rules for shifting lines.
// Plain data and functions; the main window draws it and feeds it clicks.
#include <cstdint>

namespace tarnwick {

constexpr int GridRows = 7;
constexpr int GridCols = 11;

// Direction codes, shared with the player's facing.
enum Direction { East = 0, North = 1, West = 2, South = 3 };

// Tile kinds 0..20 (see TargetGrid for the restored pattern).
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

extern const CorridorGrid TargetGrid;

// The labyrinth's part of the game state.
struct LabyrinthState {
    CorridorGrid Grid = {};
    std::int32_t PlayerCol = 0;
    std::int32_t PlayerRow = 3;
    std::int32_t PlayerFacing = East;
    bool MazeRestored = false;
};

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
