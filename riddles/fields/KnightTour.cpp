// SPDX-License-Identifier: GPL-3.0-or-later
#include "riddles/fields/KnightTour.h"

#include <algorithm>
#include <unordered_set>

#include "riddles/fields/WalkPaths.h"

namespace tarnwick {

namespace {

using walk::Bit;
using walk::Fields;

struct PositionHash {
    std::size_t operator()(const std::pair<Fields, int>& p) const {
        return std::hash<Fields>()(p.first * 0x9e3779b97f4a7c15ull ^ static_cast<Fields>(p.second));
    }
};

class Tour {
public:
    Tour(TourSearch& search, long budget) : search_(search), budget_(budget) {}

    // Whether the fields `left` (the ball's not among them) may still be
    // walked from the ball.
    static bool Walkable(Fields left, int ball) {
        if (!left) return true;
        if (!(walk::Jumps(Bit(ball)) & left)) return false;
        if (walk::Reached(left & -left, left, walk::Jumps) != left) return false;
        const Fields same = (Bit(ball) & walk::EvenFields) ? walk::EvenFields : ~walk::EvenFields;
        const int sameLeft = walk::Count(left & same), otherLeft = walk::Count(left & ~same);
        if (otherLeft != sameLeft && otherLeft != sameLeft + 1) return false;
        const Fields ends = left & (otherLeft == sameLeft + 1 ? ~same : same);
        return walk::PathPossible(left | Bit(ball), walk::Jumps, ball, ends);
    }

    bool Search(Fields left, int ball) {
        if (!left) return true;
        if (++search_.positions > budget_ || dead_.count({left, ball})) return false;
        struct Choice {
            int to;
            int onward;
        };
        std::vector<Choice> choices;
        for (Fields x = walk::Jumps(Bit(ball)) & left; x; x &= x - 1) {
            const int to = std::countr_zero(x);
            choices.push_back({to, walk::Count(walk::Jumps(Bit(to)) & left)});
        }
        std::stable_sort(choices.begin(), choices.end(),
                         [](const Choice& a, const Choice& b) { return a.onward < b.onward; });
        for (const Choice& choice : choices) {
            const Fields rest = left & ~Bit(choice.to);
            if (!Walkable(rest, choice.to)) continue;
            search_.jumps.push_back(walk::CellOf(choice.to));
            if (Search(rest, choice.to)) return true;
            search_.jumps.pop_back();
            if (search_.positions > budget_) return false;
        }
        dead_.insert({left, ball});
        return false;
    }

private:
    TourSearch& search_;
    long budget_;
    std::unordered_set<std::pair<Fields, int>, PositionHash> dead_;
};

}  // namespace

TourSearch FindTour(const KnightRules& room, long budget) {
    TourSearch search;
    const int n = room.Geometry().columns;
    Fields left = 0;
    for (int c = 0; c < n; ++c)
        for (int r = 0; r < n; ++r)
            if (room.FieldThere({c, r}) && BoardCell{c, r} != room.Ball()) left |= Bit(walk::IndexOf({c, r}));
    const int ball = walk::IndexOf(room.Ball());
    Tour tour(search, budget);
    if (Tour::Walkable(left, ball) && tour.Search(left, ball))
        search.result = TourSearch::Found;
    else
        search.result = search.positions > budget ? TourSearch::GaveUp : TourSearch::NoTour;
    return search;
}

}  // namespace tarnwick
