// SPDX-License-Identifier: GPL-3.0-or-later
// The room of separation: the nearest-edge rule, and the division judged by
// its rule: checked against the room's own divisions and against searches
// over all divisions into four congruent parts.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <iostream>
#include <cstdint>
#include <map>
#include <set>
#include <unordered_set>

#include "riddles/separation/SeparationSolver.h"
#include "riddles/separation/SeparationRules.h"

namespace tarnwick {
namespace {

using Edge = SeparationRules::Edge;

std::set<Division> MadeDivisions(int level) {
    std::set<Division> made;
    for (const auto& map : MadeMaps(level)) made.insert(FromMap(map));
    return made;
}

// Lays the level out afresh and cuts every line between two parts.
void Cut(SeparationRules& room, int level, const Division& parts) {
    room.InitLevel(level);
    for (const Edge& line : CutLines(room.Size(), parts)) room.Click(Beside(line));
}

bool Solves(int level, const Division& parts) {
    SeparationRules room;
    Cut(room, level, parts);
    return room.Judge() == Verdict::Solved;
}

TEST(SeparationRules, AClickTogglesTheNearestInnerEdge) {
    SeparationRules room;
    room.InitLevel(2);
    const Steps toggled{steps::PlayCue(9), steps::Cell({2, 2}), steps::Judge()};
    EXPECT_EQ(room.Click({{2, 2}, 16, 16}), toggled);  // the centre: a tie, the bottom edge
    EXPECT_TRUE(room.Cut({{2, 2}, false}));
    EXPECT_EQ(room.Click({{2, 2}, 20, 20}), toggled);  // on the diagonal: the same edge again
    EXPECT_FALSE(room.Cut({{2, 2}, false}));
    EXPECT_EQ(room.Click({{2, 2}, 31, 20}), toggled);  // right edge
    EXPECT_TRUE(room.Cut({{2, 2}, true}));
    EXPECT_EQ(room.Click({{3, 2}, 0, 20}), toggled);   // the same line from the other side
    EXPECT_FALSE(room.Cut({{2, 2}, true}));
    EXPECT_EQ(room.Click({{2, 3}, 10, 0}), toggled);   // the top edge of the field below
    EXPECT_TRUE(room.Cut({{2, 2}, false}));
    // The board's border is never cut.
    EXPECT_TRUE(room.Click({{0, 2}, 0, 16}).empty());
    EXPECT_TRUE(room.Click({{3, 0}, 16, 0}).empty());
    EXPECT_TRUE(room.Click({{5, 2}, 31, 16}).empty());
    EXPECT_TRUE(room.Click({{3, 5}, 16, 31}).empty());
    EXPECT_EQ(room.Geometry().left, 54);
    EXPECT_EQ(room.Geometry().top, 109);
    room.InitLevel(2);
    EXPECT_FALSE(room.Cut({{2, 2}, false}));
}

TEST(SeparationRules, TheRoomsOwnDivisionsSolveAndOneLineMoreOrLessDoesNot) {
    for (int level = 1; level <= 3; ++level) {
        for (const Division& parts : MadeDivisions(level)) {
            SeparationRules room;
            Cut(room, level, parts);
            EXPECT_EQ(room.Judge(), Verdict::Solved) << "level " << level;
            EXPECT_EQ(Numbered(room.Parts()), parts);

            // A line inside the part of the top-left field.
            const int n = room.Size();
            const Edge inside = parts[1] == parts[0] ? Edge{{0, 0}, true} : Edge{{0, 0}, false};
            ASSERT_EQ(parts[inside.right ? 1 : static_cast<std::size_t>(n)], parts[0]);
            room.Click(Beside(inside));
            EXPECT_EQ(room.Judge(), Verdict::Unsolved) << "level " << level;
            room.Click(Beside(inside));
            EXPECT_EQ(room.Judge(), Verdict::Solved);

            // One line between two parts missing.
            for (int c = 0; c + 1 < n; ++c) {
                if (parts[static_cast<std::size_t>(c)] == parts[static_cast<std::size_t>(c + 1)]) continue;
                room.Click(Beside({{c, 0}, true}));
                EXPECT_EQ(room.Judge(), Verdict::Unsolved) << "level " << level;
                break;
            }
        }
    }
}

TEST(SeparationRules, PartsMustMatchInSizeShapeAndBalls) {
    // Four strips of a 4 x 4 board: congruent, but two balls in one of them.
    EXPECT_FALSE(Solves(1, FromMap({"AAAA", "BBBB", "CCCC", "DDDD"})));
    // Four quarters on level 2: two pearls (1, 1), (2, 1) share the top-left one.
    EXPECT_FALSE(Solves(2, FromMap({"AAABBB", "AAABBB", "AAABBB", "CCCDDD", "CCCDDD", "CCCDDD"})));
    // Four parts of four fields with a ball each, but two squares and two L.
    EXPECT_FALSE(Solves(1, FromMap({"AABB", "AADB", "CCDB", "CCDD"})));
    // Three parts only.
    EXPECT_FALSE(Solves(1, FromMap({"AAAB", "AABB", "CCBB", "CCCC"})));
}

// --- Searches over divisions into four congruent parts.

using Mask = std::uint64_t;
using Shape = std::vector<std::pair<int, int>>;  // (col, row) offsets from the shape's first field

// The shape's placings, each turned or mirrored, listed from its first
// field in row order; alike placings once.
std::vector<Shape> Placings(const std::vector<std::pair<int, int>>& fields) {
    std::set<Shape> placings;
    for (int turn = 0; turn < 8; ++turn) {
        Shape placed;
        for (auto [c, r] : fields) {
            if (turn & 4) std::swap(c, r);
            placed.emplace_back(turn & 1 ? -c : c, turn & 2 ? -r : r);
        }
        std::sort(placed.begin(), placed.end(),
                  [](auto a, auto b) { return std::tie(a.second, a.first) < std::tie(b.second, b.first); });
        const auto first = placed.front();
        for (auto& field : placed) field = {field.first - first.first, field.second - first.second};
        placings.insert(placed);
    }
    return {placings.begin(), placings.end()};
}

// Every division of the n x n board into four connected congruent parts.
// The part of field 0 is grown field by field; the rest is then tiled with
// its placings, each next part taking the first free field in row order.
class CongruentDivisions {
public:
    explicit CongruentDivisions(int n) : n_(n), k_(n * n / 4) { Grow(1, 1); }
    std::set<Division> found;

private:
    void Grow(Mask part, int size) {
        if (!seen_.insert(part).second) return;
        if (size == k_) {
            Tile(part);
            return;
        }
        for (int i = 0; i < n_ * n_; ++i) {
            if (!(part >> i & 1)) continue;
            const int c = i % n_, r = i / n_;
            const std::pair<int, int> next[] = {{c + 1, r}, {c - 1, r}, {c, r + 1}, {c, r - 1}};
            for (auto [nc, nr] : next)
                if (nc >= 0 && nc < n_ && nr >= 0 && nr < n_ && !(part >> (nr * n_ + nc) & 1))
                    Grow(part | Mask{1} << (nr * n_ + nc), size + 1);
        }
    }

    void Tile(Mask first) {
        std::vector<std::pair<int, int>> fields;
        Division parts(static_cast<std::size_t>(n_ * n_), -1);
        for (int i = 0; i < n_ * n_; ++i) {
            if (!(first >> i & 1)) continue;
            fields.emplace_back(i % n_, i / n_);
            parts[static_cast<std::size_t>(i)] = 0;
        }
        placings_ = Placings(fields);
        Place(parts, 1);
    }

    void Place(Division& parts, int part) {
        if (part == 4) {
            found.insert(parts);
            return;
        }
        const int free = static_cast<int>(std::find(parts.begin(), parts.end(), -1) - parts.begin());
        for (const Shape& placing : placings_) {
            std::vector<std::size_t> taken;
            for (auto [dc, dr] : placing) {
                const int c = free % n_ + dc, r = free / n_ + dr;
                if (c < 0 || c >= n_ || r >= n_ || parts[static_cast<std::size_t>(r * n_ + c)] != -1) break;
                taken.push_back(static_cast<std::size_t>(r * n_ + c));
            }
            if (taken.size() != placing.size()) continue;
            for (std::size_t i : taken) parts[i] = part;
            Place(parts, part + 1);
            for (std::size_t i : taken) parts[i] = -1;
        }
    }

    int n_, k_;
    std::unordered_set<Mask> seen_;
    std::vector<Shape> placings_;
};

TEST(SeparationRules, OnLevelsOneAndTwoTheRoomsOwnDivisionsAreTheOnlyOnes) {
    for (int level : {1, 2}) {
        const CongruentDivisions search(2 * level + 2);
        std::set<Division> solving;
        for (const Division& parts : search.found)
            if (Solves(level, parts)) solving.insert(Numbered(parts));
        EXPECT_EQ(solving, MadeDivisions(level)) << "level " << level << ", " << search.found.size()
                                                 << " congruent divisions";
    }
}

// Level 3 is too large to search whole; divisions that turn into
// themselves by a quarter turn of the board are searched instead: one
// field of every orbit of the quarter turn, grown connected from field 0.
class TurningDivisions {
public:
    explicit TurningDivisions(int n) : n_(n) {}

    // Calls `take` with each division found until it returns true.
    template <typename Take>
    bool Search(Take take) {
        return Grow(1, take);
    }

private:
    int Turned(int i) const { return (i % n_) * n_ + (n_ - 1 - i / n_); }  // (c, r) -> (n-1-r, c)
    Mask Orbit(int i) const {
        Mask orbit = 0;
        for (int k = 0; k < 4; ++k, i = Turned(i)) orbit |= Mask{1} << i;
        return orbit;
    }

    template <typename Take>
    bool Grow(Mask part, Take& take) {
        if (!seen_.insert(part).second) return false;
        if (std::popcount(part) == n_ * n_ / 4) {
            Division parts(static_cast<std::size_t>(n_ * n_));
            for (int i = 0; i < n_ * n_; ++i) {
                if (!(part >> i & 1)) continue;
                int at = i;
                for (int k = 0; k < 4; ++k, at = Turned(at)) parts[static_cast<std::size_t>(at)] = k;
            }
            return take(Numbered(parts));
        }
        Mask orbits = 0;
        for (int i = 0; i < n_ * n_; ++i)
            if (part >> i & 1) orbits |= Orbit(i);
        for (int i = 0; i < n_ * n_; ++i) {
            if (!(part >> i & 1)) continue;
            const int c = i % n_, r = i / n_;
            const std::pair<int, int> next[] = {{c + 1, r}, {c - 1, r}, {c, r + 1}, {c, r - 1}};
            for (auto [nc, nr] : next) {
                const int j = nr * n_ + nc;
                if (nc < 0 || nc >= n_ || nr < 0 || nr >= n_ || (orbits >> j & 1)) continue;
                if (Grow(part | Mask{1} << j, take)) return true;
            }
        }
        return false;
    }

    int n_;
    std::unordered_set<Mask> seen_;
};

TEST(SeparationRules, OnLevelThreeAnotherDivisionSolvesToo) {
    const std::set<Division> made = MadeDivisions(3);
    Division other;
    int tried = 0;
    TurningDivisions(8).Search([&](const Division& parts) {
        ++tried;
        if (made.count(parts) || !Solves(3, parts)) return false;
        other = parts;
        return true;
    });
    ASSERT_FALSE(other.empty()) << tried << " divisions tried";
    EXPECT_TRUE(Solves(3, other));
    std::string map;
    for (std::size_t i = 0; i < other.size(); ++i) {
        map += static_cast<char>('A' + other[i]);
        if (i % 8 == 7) map += '\n';
    }
    std::cout << "another division of level 3, after " << tried << " tried:\n" << map;
}

}  // namespace
}  // namespace tarnwick
