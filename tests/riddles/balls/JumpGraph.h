#pragma once
// For the searches of the rooms whose move rule looks only at where a ball
// comes from and where it lands (the knight rooms): the rules are asked
// once, for every pair of fields, whether a ball may go from the one onto
// the other while that one is empty. A search then runs on plain numbers,
// and its solution is played out on the rules at the end.
#include <vector>

#include "riddles/frame/DragRoomTesting.h"

namespace tarnwick::testing {

// landings[from] lists every field a ball on `from` may be dropped on;
// `ball` is a kind of ball the room knows.
inline std::vector<std::vector<int>> JumpGraph(BallBoardRules& rules, int ball) {
    const BoardGeometry g = rules.Geometry();
    const std::vector<int> start = rules.Values();
    std::vector<std::vector<int>> landings(static_cast<std::size_t>(g.Cells()));
    for (int from = 0; from < g.Cells(); ++from)
        for (int to = 0; to < g.Cells(); ++to) {
            std::vector<int> lone(start.size(), 0);
            lone[from] = ball;
            rules.SetValues(lone);
            if (PlayMove(rules, from, to)) landings[from].push_back(to);
        }
    rules.SetValues(start);
    return landings;
}

}  // namespace tarnwick::testing
