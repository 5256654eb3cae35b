// The room of confusion: start and target tables, the knight's jump onto
// the one empty field, and a solution of every level found by a search.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <queue>
#include <string>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "JumpGraph.h"
#include "riddles/ConfusionRules.h"

namespace tarnwick {
namespace {

constexpr int R = ConfusionRules::Red;
constexpr int Y = ConfusionRules::Yellow;
constexpr int Size = ConfusionRules::BoardSize;
constexpr int Fields = Size * Size;

std::vector<int> Parse(const std::string& rows) { return testing::BoardOf(rows, {{'R', R}, {'Y', Y}}); }
ConfusionRules Room(int level) { return testing::AtLevel<ConfusionRules>(level); }

// The search. Only a ball a knight's move from the empty field can ever
// move, so a position is the board as one number (two bits a field) and a
// move swaps the empty field with one of the balls the rules let jump onto
// it.
using Position = std::uint64_t;

Position Pack(const std::vector<int>& values) {
    Position p = 0;
    for (int f = 0; f < Fields; ++f) p |= Position(values[f] == R ? 1 : values[f] == Y ? 2 : 0) << (2 * f);
    return p;
}
int At(Position p, int field) { return static_cast<int>((p >> (2 * field)) & 3); }
int Empty(Position p) {
    for (int f = 0; f < Fields; ++f)
        if (At(p, f) == 0) return f;
    return -1;
}

struct Search {
    std::array<std::vector<int>, Fields> jumpers;  // fields whose ball may jump onto the empty field
    std::array<std::array<int, Fields>, Fields> distance{};  // knight's moves between two fields
    std::vector<int> target;

    explicit Search(int level) {
        ConfusionRules room = Room(level);
        const auto landings = testing::JumpGraph(room, R);
        for (int from = 0; from < Fields; ++from)
            for (int to : landings[from]) jumpers[to].push_back(from);
        // Shortest ways over those jumps, breadth-first from every field.
        for (int a = 0; a < Fields; ++a) {
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
        target = Room(level).Target();
    }

    // The fewest jumps that could bring the balls of one colour onto that
    // colour's target fields: the cheapest pairing of balls and fields
    // (Hungarian method), each pair costing the knight's distance.
    int Cost(Position p, int colour) const {
        std::array<int, Fields> balls{}, goals{};
        int n = 0, m = 0;
        for (int f = 0; f < Fields; ++f) {
            if (At(p, f) == colour) balls[n++] = f;
            if ((target[f] == R ? 1 : target[f] == Y ? 2 : 0) == colour) goals[m++] = f;
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
    int Estimate(Position p) {
        int total = 0;
        for (int colour = 1; colour <= 2; ++colour) {
            std::uint32_t fields = 0;
            for (int f = 0; f < Fields; ++f)
                if (At(p, f) == colour) fields |= 1u << f;
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
    std::vector<std::pair<int, int>> Solve(Position start) {
        const Position goal = Pack(target);
        std::unordered_map<Position, std::pair<int, Position>> seen{{start, {0, start}}};  // moves, came from
        using Entry = std::tuple<int, int, Position>;  // weighed cost, -moves, position
        std::priority_queue<Entry, std::vector<Entry>, std::greater<Entry>> open;
        open.emplace(4 * Estimate(start), 0, start);
        while (!open.empty()) {
            const auto [cost, negMoves, p] = open.top();
            open.pop();
            const int moves = -negMoves;
            if (seen.at(p).first != moves) continue;
            if (p == goal) {
                std::vector<std::pair<int, int>> path;
                for (Position q = p; q != start; q = seen.at(q).second)
                    path.insert(path.begin(), {Empty(seen.at(q).second), Empty(q)});
                return path;
            }
            const int empty = Empty(p);
            for (int from : jumpers[empty]) {
                const Position ball = Position(At(p, from));
                const Position next = (p & ~(Position(3) << (2 * from))) | (ball << (2 * empty));
                const auto known = seen.find(next);
                if (known != seen.end() && known->second.first <= moves + 1) continue;
                seen[next] = {moves + 1, p};
                open.emplace(3 * (moves + 1) + 4 * Estimate(next), -(moves + 1), next);
            }
        }
        return {};
    }
};

TEST(ConfusionRules, EveryLevelCanBeSolved) {
    const std::size_t found[] = {40, 36, 40};
    for (int level = 1; level <= 3; ++level) {
        Search search(level);
        ConfusionRules room = Room(level);
        const auto path = search.Solve(Pack(room.Values()));
        std::printf("level %d: solved in %zu moves\n", level, path.size());
        EXPECT_EQ(path.size(), found[level - 1]) << "level " << level;
        // Played out on the rules: every jump accepted, solved at the end.
        // (The search records the empty field's way; each jump moves the
        // ball from where the empty field goes next.)
        for (const auto& [emptyBefore, emptyAfter] : path)
            ASSERT_TRUE(testing::PlayMove(room, emptyAfter, emptyBefore));
        EXPECT_EQ(room.Judge(), Verdict::Solved);
    }
}

TEST(ConfusionRules, StartAndTargetExchangeTheColours) {
    EXPECT_EQ(Room(1).Values(), Parse("RRRRR RRRRR RR.YY YYYYY YYYYY"));
    EXPECT_EQ(Room(2).Values(), Parse("RRRRR RRRRY RR.YY RYYYY YYYYY"));
    EXPECT_EQ(Room(3).Values(), Parse("RRRRR RRRYY RR.YY RRYYY YYYYY"));
    for (int level = 1; level <= 3; ++level) {
        const std::vector<int> start = Room(level).Values();
        std::vector<int> turned(start.rbegin(), start.rend());
        EXPECT_EQ(Room(level).Target(), turned);
        for (int f = 0; f < Fields; ++f)
            EXPECT_EQ(turned[f], start[f] == R ? Y : start[f] == Y ? R : 0);
    }
    EXPECT_EQ(Room(1).Geometry().left, 70);
    EXPECT_EQ(Room(1).Geometry().top, 124);
}

TEST(ConfusionRules, OnlyTheBallsAKnightsMoveFromTheEmptyFieldCanMove) {
    std::vector<int> movers;
    for (int from = 0; from < Fields; ++from) {
        ConfusionRules room = Room(1);
        if (from != 12 && testing::PlayMove(room, from, 12)) movers.push_back(from);
    }
    EXPECT_EQ(movers, (std::vector<int>{1, 3, 5, 9, 15, 19, 21, 23}));
    ConfusionRules room = Room(1);
    EXPECT_FALSE(testing::PlayMove(room, 7, 12));   // straight
    EXPECT_FALSE(testing::PlayMove(room, 6, 12));   // diagonal
    EXPECT_FALSE(testing::PlayMove(room, 0, 0));    // onto its own field
    EXPECT_FALSE(testing::PlayMove(room, 0, 7));    // a knight's move onto a ball
    EXPECT_FALSE(testing::PlayMove(room, 1, 24));   // far away
    EXPECT_EQ(room.Values(), Parse("RRRRR RRRRR RR.YY YYYYY YYYYY"));
}

TEST(ConfusionRules, SolvedOnlyWhenEveryFieldMatches) {
    ConfusionRules room = Room(1);
    room.SetValues(Parse("YYYYY YYYYY YY.RR RRRRR RRRRR"));
    EXPECT_EQ(room.Judge(), Verdict::Solved);
    room.SetValues(Parse("YYYYY YYYYY YYR.R RRRRR RRRRR"));  // all but the empty centre
    EXPECT_EQ(room.Judge(), Verdict::Unsolved);
    room.SetValues(Parse("YYYYY YYYYY YY.RR RRRRR RRRRY"));
    EXPECT_FALSE(room.IsSolved());
}

}  // namespace
}  // namespace tarnwick
