#pragma once
// Breadth-first through the room of entangling: every position reachable
// by drops its rules accept, and the shortest way to a solved one.
#include <cstdint>
#include <queue>
#include <unordered_map>
#include <utility>
#include <vector>

#include "riddles/frame/DragRoomTesting.h"
#include "riddles/balls/EntanglingRules.h"

namespace tarnwick::testing {

struct EntanglingSearch {
    std::vector<std::vector<int>> reachable;  // every position met, the start first
    std::vector<std::pair<int, int>> solution;  // (from, to) fields; empty if there is none
    bool solved = false;
};

// Searches from the room's current position; the room is left as it was.
inline EntanglingSearch SearchEntangling(EntanglingRules& room) {
    const auto key = [](const std::vector<int>& position) {
        std::uint64_t k = 0;
        for (int value : position) k = k * 3 + (value == 0 ? 0 : value == EntanglingRules::Red ? 1 : 2);
        return k;
    };
    struct Came {
        std::uint64_t from;
        std::pair<int, int> move;
    };
    EntanglingSearch search;
    const std::vector<int> start = room.Values();
    const int fields = static_cast<int>(start.size());
    std::unordered_map<std::uint64_t, Came> came{{key(start), {key(start), {-1, -1}}}};
    std::unordered_map<std::uint64_t, std::vector<int>> positionOf{{key(start), start}};
    std::queue<std::vector<int>> queue;
    queue.push(start);
    while (!queue.empty()) {
        const std::vector<int> position = queue.front();
        queue.pop();
        search.reachable.push_back(position);
        room.SetValues(position);
        if (room.IsSolved() && !search.solved) {
            search.solved = true;
            for (std::uint64_t k = key(position); k != key(start); k = came.at(k).from)
                search.solution.insert(search.solution.begin(), came.at(k).move);
        }
        for (int from = 0; from < fields; ++from)
            for (int to = 0; to < fields && position[from] != 0; ++to) {
                room.SetValues(position);
                if (!PlayMove(room, from, to)) continue;
                const std::vector<int> next = room.Values();
                if (came.emplace(key(next), Came{key(position), {from, to}}).second) queue.push(next);
            }
    }
    room.SetValues(start);
    return search;
}

}  // namespace tarnwick::testing
