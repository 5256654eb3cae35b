// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The room of separation's own divisions of each level, and the cut lines
// that draw one: what the hint leads to. (On levels 1 and 2 they are the
// only divisions the rules accept; on level 3 they are the room's own among
// many others.)
#include <vector>

#include "riddles/separation/SeparationRules.h"

namespace tarnwick {

// A division of the board: per field, row by row, the number of its part.
using Division = std::vector<int>;

// The divisions the room was made with, as maps of part letters, row by
// row; none for a level outside 1..3.
const std::vector<std::vector<const char*>>& MadeMaps(int level);
// The same division however its parts are named: numbered by first field.
Division Numbered(const Division& parts);
Division FromMap(const std::vector<const char*>& rows);

// Every line between two parts of an n x n division.
std::vector<SeparationRules::Edge> CutLines(int n, const Division& parts);
// A click just inside a field, beside one of its edges.
BoardPoint Beside(SeparationRules::Edge edge);

// The next line to toggle towards the room's own division nearest to the
// cut lines as they stand (a wrong line out first, then a missing one in).
Hint NearestDivisionHint(const SeparationRules& room);

}  // namespace tarnwick
