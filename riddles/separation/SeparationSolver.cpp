// SPDX-License-Identifier: GPL-3.0-or-later
#include "riddles/separation/SeparationSolver.h"

#include <algorithm>
#include <map>

namespace tarnwick {

const std::vector<std::vector<const char*>>& MadeMaps(int level) {
    static const std::vector<std::vector<const char*>> maps[] = {
        {},
        {{"AAAB", "CABB", "CCDB", "CDDD"}, {"ABBB", "ABCC", "AADC", "DDDC"}},
        {{"AABBBB", "AABCBB", "ABBCCC", "AAADDC", "DDADCC", "DDDDCC"}},
        {{"AAAAAAAB", "CCCCCCAB", "CDDDDCAB", "CDBBDCAB", "CDBACCAB", "CDBAAAAB", "CDBBBBBB", "CDDDDDDD"}},
    };
    return maps[level >= 1 && level <= 3 ? level : 0];
}

Division Numbered(const Division& parts) {
    std::map<int, int> number;
    Division numbered;
    for (int p : parts) numbered.push_back(number.emplace(p, static_cast<int>(number.size())).first->second);
    return numbered;
}

Division FromMap(const std::vector<const char*>& rows) {
    Division parts;
    for (const char* row : rows)
        for (const char* p = row; *p; ++p) parts.push_back(*p);
    return Numbered(parts);
}

std::vector<SeparationRules::Edge> CutLines(int n, const Division& parts) {
    std::vector<SeparationRules::Edge> lines;
    const auto part = [&](int c, int r) { return parts[static_cast<std::size_t>(r * n + c)]; };
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c) {
            if (c + 1 < n && part(c + 1, r) != part(c, r)) lines.push_back({{c, r}, true});
            if (r + 1 < n && part(c, r + 1) != part(c, r)) lines.push_back({{c, r}, false});
        }
    return lines;
}

BoardPoint Beside(SeparationRules::Edge edge) {
    return edge.right ? BoardPoint{edge.cell, 31, 16} : BoardPoint{edge.cell, 16, 31};
}

Hint NearestDivisionHint(const SeparationRules& room) {
    if (room.IsSolved()) return Hint::Of(Hint::Solved);
    const int n = room.Size();
    std::vector<SeparationRules::Edge> best;
    bool any = false;
    for (const auto& map : MadeMaps(room.Level())) {
        const std::vector<SeparationRules::Edge> lines = CutLines(n, FromMap(map));
        std::vector<SeparationRules::Edge> wrong, missing;
        for (int r = 0; r < n; ++r)
            for (int c = 0; c < n; ++c)
                for (bool right : {true, false}) {
                    const SeparationRules::Edge edge{{c, r}, right};
                    if (room.OnBorder(edge)) continue;
                    const bool wanted = std::find(lines.begin(), lines.end(), edge) != lines.end();
                    if (room.Cut(edge) && !wanted) wrong.push_back(edge);
                    if (!room.Cut(edge) && wanted) missing.push_back(edge);
                }
        wrong.insert(wrong.end(), missing.begin(), missing.end());
        if (!any || wrong.size() < best.size()) best = wrong;
        any = true;
    }
    if (!any || best.empty()) return Hint::Of(Hint::NoWay);
    return {Hint::Move, {Beside(best.front())}};
}

}  // namespace tarnwick
