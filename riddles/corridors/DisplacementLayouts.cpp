// SPDX-License-Identifier: GPL-3.0-or-later
#include "riddles/corridors/DisplacementLayouts.h"

namespace tarnwick {

namespace {

const DisplacementLayout Layouts[3] = {
    {{"#######", "#.....#", "##R#G##", "##R#G##", "##R#G##", "#######"},
     {"#######", "#.....#", "##G#R##", "##G#R##", "##G#R##", "#######"}},
    {{"#######", "#R###G#", "#R...G#", "#R#.#G#", "#R###G#", "#######"},
     {"#######", "#G###R#", "#G...R#", "#G#.#R#", "#G###R#", "#######"}},
    {{"#######", "#RR#GG#", "#R###G#", "#.YYY.#", "#.#.#.#", "#######"},
     {"#######", "#GG#RR#", "#G###R#", "#.YYY.#", "#.#.#.#", "#######"}},
};

// The values of DisplacementRules (kept here, below the rules, so the table
// maker needs nothing of them).
int ValueOf(char field) {
    switch (field) {
    case '#': return -1;
    case 'R': return 4;
    case 'G': return 5;
    case 'Y': return 7;
    default: return 0;
    }
}

}  // namespace

const DisplacementLayout& DisplacementLayoutOf(int level) { return Layouts[level >= 1 && level <= 3 ? level - 1 : 0]; }

std::vector<int> DisplacementValues(const char* const (&rows)[DisplacementLayout::Rows]) {
    std::vector<int> values;
    for (const char* row : rows)
        for (int c = 0; c < DisplacementLayout::Columns; ++c) values.push_back(ValueOf(row[c]));
    return values;
}

}  // namespace tarnwick
