#pragma once
// A solution of the room of confusion: a best-first search over the jumps
// its rules accept onto the one empty field.
#include <array>
#include <cstdint>
#include <functional>
#include <queue>
#include <tuple>
#include <unordered_map>
#include <utility>
#include <vector>

#include "riddles/balls/JumpGraph.h"
#include "riddles/balls/ConfusionRules.h"

namespace tarnwick::testing {

inline constexpr int ConfusionFields = ConfusionRules::BoardSize * ConfusionRules::BoardSize;

// The search. Only a ball a knight's move from the empty field can ever
// move, so a position is the board as one number (two bits a field) and a
// move swaps the empty field with one of the balls the rules let jump onto
// it.
using ConfusionPosition = std::uint64_t;

inline ConfusionPosition ConfusionPack(const std::vector<int>& values) {
    ConfusionPosition p = 0;
    for (int f = 0; f < ConfusionFields; ++f) p |= ConfusionPosition(values[f] == ConfusionRules::Red ? 1 : values[f] == ConfusionRules::Yellow ? 2 : 0) << (2 * f);
    return p;
}
inline int ConfusionAt(ConfusionPosition p, int field) { return static_cast<int>((p >> (2 * field)) & 3); }
inline int ConfusionEmpty(ConfusionPosition p) {
    for (int f = 0; f < ConfusionFields; ++f)
        if (ConfusionAt(p, f) == 0) return f;
    return -1;
}

struct ConfusionSearch {
    std::array<std::vector<int>, ConfusionFields> jumpers;  // fields whose ball may jump onto the empty field
    std::array<std::array<int, ConfusionFields>, ConfusionFields> distance{};  // knight's moves between two fields
    std::vector<int> target;

    explicit ConfusionSearch(ConfusionRules room) {
        const auto landings = JumpGraph(room, ConfusionRules::Red);
        for (int from = 0; from < ConfusionFields; ++from)
            for (int to : landings[from]) jumpers[to].push_back(from);
        // Shortest ways over those jumps, breadth-first from every field.
        for (int a = 0; a < ConfusionFields; ++a) {
            distance[a].fill(-1);
            distance[a][a] = 0;
            std::queue<int> queue;
            queue.push(a);
            while (!queue.empty()) {
                const int f = queue.front();
                queue.pop();
                for (int g : jumpers[f])
                    if (distance[a][g] < 0) {
                        distance[a][g] = distance[a][f] + 1;
                        queue.push(g);
                    }
            }
        }
        target = room.Target();
    }

    // The fewest jumps that could bring the balls of one colour onto that
    // colour's target fields: the cheapest pairing of balls and fields
    // (Hungarian method), each pair costing the knight's distance.
    int Cost(ConfusionPosition p, int colour) const {
        std::array<int, ConfusionFields> balls{}, goals{};
        int n = 0, m = 0;
        for (int f = 0; f < ConfusionFields; ++f) {
            if (ConfusionAt(p, f) == colour) balls[n++] = f;
            if ((target[f] == ConfusionRules::Red ? 1 : target[f] == ConfusionRules::Yellow ? 2 : 0) == colour) goals[m++] = f;
        }
        constexpr int Inf = 1 << 20;
        std::array<int, ConfusionFields + 1> u{}, v{}, match{}, way{}, least{};
        std::array<bool, ConfusionFields + 1> used{};
        for (int i = 1; i <= n; ++i) {
            match[0] = i;
            int j0 = 0;
            least.fill(Inf);
            used.fill(false);
            do {
                used[j0] = true;
                const int i0 = match[j0];
                int delta = Inf, j1 = 0;
                for (int j = 1; j <= m; ++j) {
                    if (used[j]) continue;
                    const int cur = distance[balls[i0 - 1]][goals[j - 1]] - u[i0] - v[j];
                    if (cur < least[j]) {
                        least[j] = cur;
                        way[j] = j0;
                    }
                    if (least[j] < delta) {
                        delta = least[j];
                        j1 = j;
                    }
                }
                for (int j = 0; j <= m; ++j) {
                    if (used[j]) {
                        u[match[j]] += delta;
                        v[j] -= delta;
                    } else {
                        least[j] -= delta;
                    }
                }
                j0 = j1;
            } while (match[j0] != 0);
            do {
                const int j1 = way[j0];
                match[j0] = match[j1];
                j0 = j1;
            } while (j0 != 0);
        }
        return -v[0];
    }
    // A move changes the fields of one colour only, so the other colour's
    // cost is known already.
    int Estimate(ConfusionPosition p) {
        int total = 0;
        for (int colour = 1; colour <= 2; ++colour) {
            std::uint32_t fields = 0;
            for (int f = 0; f < ConfusionFields; ++f)
                if (ConfusionAt(p, f) == colour) fields |= 1u << f;
            const auto known = costs[colour - 1].find(fields);
            total += known != costs[colour - 1].end() ? known->second
                                                      : costs[colour - 1].emplace(fields, Cost(p, colour)).first->second;
        }
        return total;
    }
    std::array<std::unordered_map<std::uint32_t, int>, 2> costs;

    // A best-first search weighing the estimate a third above the moves
    // made: not always the shortest solution, but close to it and fast.
    // The jumps of the solution found, as (from, to) fields.
    std::vector<std::pair<int, int>> Solve(ConfusionPosition start) {
        const ConfusionPosition goal = ConfusionPack(target);
        std::unordered_map<ConfusionPosition, std::pair<int, ConfusionPosition>> seen{{start, {0, start}}};  // moves, came from
        using Entry = std::tuple<int, int, ConfusionPosition>;  // weighed cost, -moves, position
        std::priority_queue<Entry, std::vector<Entry>, std::greater<Entry>> open;
        open.emplace(4 * Estimate(start), 0, start);
        while (!open.empty()) {
            const auto [cost, negMoves, p] = open.top();
            open.pop();
            const int moves = -negMoves;
            if (seen.at(p).first != moves) continue;
            if (p == goal) {
                std::vector<std::pair<int, int>> path;
                for (ConfusionPosition q = p; q != start; q = seen.at(q).second)
                    path.insert(path.begin(), {ConfusionEmpty(seen.at(q).second), ConfusionEmpty(q)});
                return path;
            }
            const int empty = ConfusionEmpty(p);
            for (int from : jumpers[empty]) {
                const ConfusionPosition ball = ConfusionPosition(ConfusionAt(p, from));
                const ConfusionPosition next = (p & ~(ConfusionPosition(3) << (2 * from))) | (ball << (2 * empty));
                const auto known = seen.find(next);
                if (known != seen.end() && known->second.first <= moves + 1) continue;
                seen[next] = {moves + 1, p};
                open.emplace(3 * (moves + 1) + 4 * Estimate(next), -(moves + 1), next);
            }
        }
        return {};
    }
};

}  // namespace tarnwick::testing
