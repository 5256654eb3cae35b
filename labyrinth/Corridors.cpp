// SPDX-License-Identifier: GPL-3.0-or-later
#include "labyrinth/Corridors.h"

#include "labyrinth/TileOpenings.h"

namespace tarnwick {

const CorridorGrid TargetGrid = {
    {20, 16, 11, 16, 11, 16, 11, 16, 11, 16, 20},
    {13, 4, 1, 5, 8, 0, 8, 4, 1, 5, 12},
    {17, 2, 7, 1, 5, 10, 4, 1, 9, 3, 19},
    {15, 0, 6, 6, 7, 1, 9, 6, 6, 0, 12},
    {17, 5, 7, 1, 2, 8, 3, 1, 9, 4, 19},
    {13, 3, 1, 2, 10, 0, 10, 3, 1, 2, 12},
    {20, 18, 14, 18, 14, 18, 14, 18, 14, 18, 20},
};

namespace {

// Doors numbered clockwise from the top of the left wall; 13 is the throne room.
constexpr Cell Doors[13] = {
    {0, 1}, {2, 0}, {4, 0}, {6, 0}, {8, 0}, {10, 1}, {10, 5},
    {8, 6}, {6, 6}, {4, 6}, {2, 6}, {0, 5}, {10, 3},
};

bool IsRowLine(int line) { return line == 2 || line == 4; }
bool IsColumnLine(int line) { return line == 1 || line == 3 || line == 5 || line == 7 || line == 9; }

}  // namespace

bool OpenTo(int kind, int direction) {
    if (kind < 0 || kind >= TileKindCount || direction < 0 || direction > 3) return false;
    return (TileOpenings[kind] >> direction) & 1;
}

int DoorAt(int col, int row) {
    for (int i = 0; i < 13; ++i)
        if (Doors[i].col == col && Doors[i].row == row) return i + 1;
    return 0;
}

Cell DoorCell(int door) { return Doors[door - 1]; }

bool ArrowAt(int col, int row, int& line, int& direction) {
    if ((row == 2 || row == 4) && (col == 0 || col == 10)) {
        line = row;
        direction = col == 0 ? East : West;
        return true;
    }
    if ((row == 0 || row == 6) && col % 2 == 1 && col >= 1 && col <= 9) {
        line = col;
        direction = row == 0 ? South : North;
        return true;
    }
    return false;
}

bool ShiftGrid(LabyrinthState& s, int line, int direction) {
    auto& g = s.Grid;
    switch (direction) {
    case East: {
        if (!IsRowLine(line)) return false;
        const int last = g[line][9];
        for (int c = 9; c > 1; --c) g[line][c] = g[line][c - 1];
        g[line][1] = last;
        if (s.PlayerRow == line) s.PlayerCol = s.PlayerCol == 9 ? 1 : s.PlayerCol + 1;
        return true;
    }
    case West: {
        if (!IsRowLine(line)) return false;
        const int first = g[line][1];
        for (int c = 1; c < 9; ++c) g[line][c] = g[line][c + 1];
        g[line][9] = first;
        if (s.PlayerRow == line) s.PlayerCol = s.PlayerCol == 1 ? 9 : s.PlayerCol - 1;
        return true;
    }
    case North: {
        if (!IsColumnLine(line)) return false;
        const int first = g[1][line];
        for (int r = 1; r < 5; ++r) g[r][line] = g[r + 1][line];
        g[5][line] = first;
        if (s.PlayerCol == line) s.PlayerRow = s.PlayerRow == 1 ? 5 : s.PlayerRow - 1;
        return true;
    }
    case South: {
        if (!IsColumnLine(line)) return false;
        const int last = g[5][line];
        for (int r = 5; r > 1; --r) g[r][line] = g[r - 1][line];
        g[1][line] = last;
        if (s.PlayerCol == line) s.PlayerRow = s.PlayerRow == 5 ? 1 : s.PlayerRow + 1;
        return true;
    }
    default:
        return false;
    }
}

bool GridEquals(const CorridorGrid& a, const CorridorGrid& b) {
    for (int r = 0; r < GridRows; ++r)
        for (int c = 0; c < GridCols; ++c)
            if (a[r][c] != b[r][c]) return false;
    return true;
}

void CopyGrid(CorridorGrid& to, const CorridorGrid& from) {
    for (int r = 0; r < GridRows; ++r)
        for (int c = 0; c < GridCols; ++c) to[r][c] = from[r][c];
}

int WalkDirection(const LabyrinthState& s, int col, int row) {
    const int pc = s.PlayerCol, pr = s.PlayerRow;
    if (pc < 0 || pc >= GridCols || pr < 0 || pr >= GridRows) return -1;
    const int here = s.Grid[pr][pc];
    if (row == pr && col > pc && pc < 10 && OpenTo(here, East) && OpenTo(s.Grid[pr][pc + 1], West))
        return East;
    if (row < pr && col == pc && pr > 0 && OpenTo(here, North) && OpenTo(s.Grid[pr - 1][pc], South))
        return North;
    if (row == pr && col < pc && pc > 0 && OpenTo(here, West) && OpenTo(s.Grid[pr][pc - 1], East))
        return West;
    if (row > pr && col == pc && pr < 6 && OpenTo(here, South) && OpenTo(s.Grid[pr + 1][pc], North))
        return South;
    return -1;
}

}  // namespace tarnwick
