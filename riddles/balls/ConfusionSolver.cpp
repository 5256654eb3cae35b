// SPDX-License-Identifier: GPL-3.0-or-later
#include "riddles/balls/ConfusionSolver.h"

#include <algorithm>
#include <functional>
#include <queue>
#include <tuple>
#include <utility>

namespace tarnwick {

namespace {

using Position = ConfusionSolver::Position;
constexpr int Fields = ConfusionSolver::Fields;

// The red fields in the low bits, the yellow ones above them.
constexpr int YellowShift = 32;
std::uint32_t Colour(Position p, int colour) {
    return static_cast<std::uint32_t>(colour == 1 ? p : p >> YellowShift);
}
int At(Position p, int field) {
    return (Colour(p, 1) >> field & 1) ? 1 : (Colour(p, 2) >> field & 1) ? 2 : 0;
}
int EmptyField(Position p) {
    const std::uint32_t taken = Colour(p, 1) | Colour(p, 2);
    for (int f = 0; f < Fields; ++f)
        if (!(taken >> f & 1)) return f;
    return -1;
}
BoardCell CellOf(int field) { return {field % ConfusionRules::BoardSize, field / ConfusionRules::BoardSize}; }

}  // namespace

Position ConfusionSolver::Pack(const std::vector<int>& values) {
    Position p = 0;
    for (int f = 0; f < Fields && f < static_cast<int>(values.size()); ++f) {
        if (values[f] == ConfusionRules::Red) p |= Position{1} << f;
        if (values[f] == ConfusionRules::Yellow) p |= Position{1} << (f + YellowShift);
    }
    return p;
}

ConfusionSolver::ConfusionSolver(const ConfusionRules& room) : jumpers_(room.Jumps()) {
    // Shortest ways over those jumps, breadth-first from every field.
    for (int a = 0; a < Fields; ++a) {
        distance_[a].fill(-1);
        distance_[a][a] = 0;
        std::queue<int> queue;
        queue.push(a);
        while (!queue.empty()) {
            const int f = queue.front();
            queue.pop();
            for (int g : jumpers_[f])
                if (distance_[a][g] < 0) {
                    distance_[a][g] = distance_[a][f] + 1;
                    queue.push(g);
                }
        }
    }
    targetValues_ = room.Target();
    target_ = Pack(targetValues_);
}

int ConfusionSolver::Cost(Position p, int colour) const {
    // A ball already home stays paired with its own field: the knight's
    // distances keep the triangle rule, so some cheapest pairing does so.
    std::array<int, Fields> balls{}, goals{};
    int n = 0, m = 0;
    const std::uint32_t mine = Colour(p, colour), home = Colour(target_, colour);
    for (int f = 0; f < Fields; ++f) {
        if ((mine & ~home) >> f & 1) balls[n++] = f;
        if ((home & ~mine) >> f & 1) goals[m++] = f;
    }
    constexpr int Inf = 1 << 20;
    std::array<int, Fields + 1> u{}, v{}, match{}, way{}, least{};
    std::array<bool, Fields + 1> used{};
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
                const int d = distance_[balls[i0 - 1]][goals[j - 1]];
                const int cur = (d < 0 ? Inf / 2 : d) - u[i0] - v[j];
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

int ConfusionSolver::KnownCost(std::uint32_t fields, int colour) {
    auto& known = costs_[colour - 1];
    const auto cost = known.find(fields);
    if (cost != known.end()) return cost->second;
    if (known.size() > (1u << 20)) known.clear();
    const Position p = colour == 1 ? Position{fields} : Position{fields} << YellowShift;
    return known.emplace(fields, Cost(p, colour)).first->second;
}

int ConfusionSolver::Estimate(Position p) { return KnownCost(Colour(p, 1), 1) + KnownCost(Colour(p, 2), 2); }

std::vector<DragMove> ConfusionSolver::Solve(const ConfusionRules& room, long bound) {
    const Position start = Pack(room.Values());
    positions_ = 0;
    gaveUp_ = false;
    std::unordered_map<Position, std::pair<int, Position>> seen{{start, {0, start}}};  // moves, came from
    seen.reserve(1 << 16);
    for (auto& known : costs_) known.reserve(1 << 15);
    using Entry = std::tuple<int, int, Position>;  // weighed cost, -moves, position
    std::priority_queue<Entry, std::vector<Entry>, std::greater<Entry>> open;
    open.emplace(3 * Estimate(start), 0, start);
    while (!open.empty() && positions_ <= bound) {
        const auto [cost, negMoves, p] = open.top();
        open.pop();
        const int moves = -negMoves;
        if (seen.at(p).first != moves) continue;
        ++positions_;
        if (p == target_) {
            // Each jump moves the ball from where the empty field goes next.
            std::vector<DragMove> path;
            for (Position q = p; q != start; q = seen.at(q).second)
                path.push_back({CellOf(EmptyField(q)), CellOf(EmptyField(seen.at(q).second))});
            return {path.rbegin(), path.rend()};
        }
        const int empty = EmptyField(p);
        if (empty < 0) break;
        for (int from : jumpers_[empty]) {
            const int shift = At(p, from) == 1 ? 0 : YellowShift;
            const Position next = (p & ~(Position{1} << (from + shift))) | Position{1} << (empty + shift);
            const auto known = seen.find(next);
            if (known != seen.end() && known->second.first <= moves + 1) continue;
            seen[next] = {moves + 1, p};
            open.emplace(2 * (moves + 1) + 3 * Estimate(next), -(moves + 1), next);
        }
    }
    gaveUp_ = positions_ > bound;
    return {};
}

}  // namespace tarnwick
