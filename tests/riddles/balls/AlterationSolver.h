#pragma once
// The shortest solution of the room of alteration, breadth-first over the
// knight's jumps its rules accept.
#include <cstdint>
#include <queue>
#include <unordered_map>
#include <utility>
#include <vector>

#include "riddles/balls/JumpGraph.h"
#include "riddles/balls/AlterationRules.h"

namespace tarnwick::testing {

// A position as one number, two bits a field.
inline std::uint32_t AlterationKey(const std::vector<int>& values) {
    std::uint32_t key = 0;
    for (int value : values) key = key << 2 | (value == AlterationRules::Green ? 1 : value == AlterationRules::Yellow ? 2 : 0);
    return key;
}

// Breadth-first over every position reachable by accepted jumps from the
// room's position; the shortest solution as (from, to) fields, empty if
// there is none.
inline std::vector<std::pair<int, int>> AlterationSolution(AlterationRules room) {
    const auto landings = JumpGraph(room, AlterationRules::Green);
    using Position = std::vector<int>;
    struct Step {
        Position before;
        std::pair<int, int> jump;
    };
    const Position start = room.Values();
    std::unordered_map<std::uint32_t, Step> cameFrom{{AlterationKey(start), {}}};
    std::queue<Position> queue;
    queue.push(start);
    while (!queue.empty()) {
        const Position position = queue.front();
        queue.pop();
        room.SetValues(position);
        if (room.IsSolved()) {
            std::vector<std::pair<int, int>> path;
            for (Position p = position; p != start; p = cameFrom.at(AlterationKey(p)).before)
                path.insert(path.begin(), cameFrom.at(AlterationKey(p)).jump);
            return path;
        }
        for (int from = 0; from < static_cast<int>(position.size()); ++from)
            for (int to : landings[from]) {
                if (position[from] == 0 || position[to] != 0) continue;
                Position next = position;
                std::swap(next[from], next[to]);
                if (cameFrom.try_emplace(AlterationKey(next), Step{position, {from, to}}).second) queue.push(next);
            }
    }
    return {};
}

}  // namespace tarnwick::testing
