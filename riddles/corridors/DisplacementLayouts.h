// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The corridors of the room of displacement, level by level: the start and
// the goal, top row first: '#' wall, '.' corridor, R red, G green,
// Y yellow. Read by the room's rules and by the table of distances its
// hint is made with at build time.
#include <vector>

namespace tarnwick {

struct DisplacementLayout {
    static constexpr int Columns = 7;
    static constexpr int Rows = 6;
    const char* start[Rows];
    const char* goal[Rows];
};

// The layout of a level 1..3 (level 1 for any other).
const DisplacementLayout& DisplacementLayoutOf(int level);

// A layout's rows as field values (DisplacementRules::Wall, Corridor, Red,
// Green, Yellow), row by row.
std::vector<int> DisplacementValues(const char* const (&rows)[DisplacementLayout::Rows]);

}  // namespace tarnwick
