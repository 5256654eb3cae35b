#pragma once
// A solution of the room of disappearance: depth-first over the jumps its
// rules accept.
#include <set>
#include <vector>

#include "riddles/frame/DragRoomTesting.h"
#include "riddles/balls/DisappearanceRules.h"

namespace tarnwick::testing {

inline BoardCell DisappearanceAt(int field) {
    return {field % DisappearanceRules::BoardSize, field / DisappearanceRules::BoardSize};
}

// Depth-first over accepted jumps, never twice into a position known to be
// lost; the jumps of the first solution found go into `path`.
inline bool SolveDisappearance(DisappearanceRules& room, std::set<std::vector<int>>& lost, std::vector<int>& path) {
    const std::vector<int> position = room.Values();
    if (room.IsSolved()) return true;
    if (lost.count(position)) return false;
    for (int from = 0; from < DisappearanceRules::BoardSize * DisappearanceRules::BoardSize; ++from)
        for (int to = 0; to < DisappearanceRules::BoardSize * DisappearanceRules::BoardSize; ++to) {
            if (position[from] == 0 || position[to] != 0) continue;
            // A refused drop leaves the position as it was.
            if (!Accepted(Drag(room, DisappearanceAt(from), DisappearanceAt(to)))) continue;
            path.push_back(from * 100 + to);
            if (SolveDisappearance(room, lost, path)) return true;
            path.pop_back();
            room.SetValues(position);
        }
    lost.insert(position);
    return false;
}

}  // namespace tarnwick::testing
