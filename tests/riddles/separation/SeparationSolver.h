#pragma once
// The room of separation's own divisions, and the clicks that cut one out.
#include <map>
#include <set>
#include <vector>

#include "riddles/separation/SeparationRules.h"

namespace tarnwick::testing {

using Edge = SeparationRules::Edge;
// A division of the board: per field, row by row, the number of its part.
using Division = std::vector<int>;

// The divisions the room was made with, part letters row by row.
inline const std::map<int, std::vector<std::vector<const char*>>> MadeWith{
    {1, {{"AAAB", "CABB", "CCDB", "CDDD"}, {"ABBB", "ABCC", "AADC", "DDDC"}}},
    {2, {{"AABBBB", "AABCBB", "ABBCCC", "AAADDC", "DDADCC", "DDDDCC"}}},
    {3,
     {{"AAAAAAAB", "CCCCCCAB", "CDDDDCAB", "CDBBDCAB", "CDBACCAB", "CDBAAAAB", "CDBBBBBB", "CDDDDDDD"}}},
};

// The same division however its parts are named: numbered by first field.
inline Division Numbered(const Division& parts) {
    std::map<int, int> number;
    Division numbered;
    for (int p : parts) numbered.push_back(number.emplace(p, static_cast<int>(number.size())).first->second);
    return numbered;
}

inline Division FromMap(const std::vector<const char*>& rows) {
    Division parts;
    for (const char* row : rows)
        for (const char* p = row; *p; ++p) parts.push_back(*p);
    return Numbered(parts);
}

inline std::set<Division> MadeDivisions(int level) {
    std::set<Division> made;
    for (const auto& map : MadeWith.at(level)) made.insert(FromMap(map));
    return made;
}

// A click just inside a field, beside one of its edges.
inline BoardPoint Beside(Edge edge) { return edge.right ? BoardPoint{edge.cell, 31, 16} : BoardPoint{edge.cell, 16, 31}; }

// The clicks that cut every line between two parts on an n x n board.
inline std::vector<BoardPoint> CutClicks(int n, const Division& parts) {
    std::vector<BoardPoint> clicks;
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c) {
            const int here = parts[static_cast<std::size_t>(r * n + c)];
            if (c + 1 < n && parts[static_cast<std::size_t>(r * n + c + 1)] != here)
                clicks.push_back(Beside({{c, r}, true}));
            if (r + 1 < n && parts[static_cast<std::size_t>((r + 1) * n + c)] != here)
                clicks.push_back(Beside({{c, r}, false}));
        }
    }
    return clicks;
}

}  // namespace tarnwick::testing
