#pragma once
// A knight's tour through the real rules of the knight's room: Warnsdorff's
// order (the field with the fewest onward jumps first, of equals the one
// farther from the board's middle) with backtracking, bounded by a number
// of positions and cut short where a field left can no longer be reached.
// On the odd boards a start whose column plus row is odd has no tour at
// all: every jump changes the parity of column plus row, so a tour of the
// odd number n * n of fields visits one field more of its start's parity
// than of the other, while the board holds one field more of even parity
// than of odd.
#include <algorithm>
#include <vector>

#include "riddles/fields/KnightRules.h"

namespace tarnwick::testing {

struct TourSearch {
    enum Result { Found, NoTour, GaveUp };
    Result result = GaveUp;
    std::vector<BoardCell> jumps;  // the tour's fields after the start
    long positions = 0;            // positions searched
};

namespace knight_tour {

inline constexpr int Offsets[8][2] = {{1, 2}, {2, 1}, {2, -1}, {1, -2}, {-1, -2}, {-2, -1}, {-2, 1}, {-1, 2}};

inline std::vector<BoardCell> Jumps(const KnightRules& room) {
    std::vector<BoardCell> jumps;
    for (const auto& o : Offsets) {
        const BoardCell to{room.Ball().col + o[0], room.Ball().row + o[1]};
        if (room.CanJumpTo(to)) jumps.push_back(to);
    }
    return jumps;
}

inline KnightRules After(const KnightRules& room, BoardCell to) {
    KnightRules next = room;
    next.Click({to, 16, 16});
    return next;
}

// Whether every field left can still be reached: each has a field left a
// jump away, and only one, the tour's last, has no more than one.
inline bool Reachable(const KnightRules& room) {
    const int n = room.Geometry().columns;
    int ends = 0;
    for (int c = 0; c < n; ++c) {
        for (int r = 0; r < n; ++r) {
            if (!room.FieldThere({c, r}) || BoardCell{c, r} == room.Ball()) continue;
            int ways = 0;
            for (const auto& o : Offsets) ways += room.FieldThere({c + o[0], r + o[1]});
            if (ways == 0) return false;
            ends += ways == 1;
        }
    }
    return ends <= 1;
}

inline bool Search(const KnightRules& room, TourSearch& search, long budget) {
    if (room.Judge() == Verdict::Solved) return true;
    if (++search.positions > budget || !Reachable(room)) return false;
    struct Choice {
        BoardCell to;
        size_t onward;
        int fromMiddle;  // twice the squared distance from the board's middle
    };
    const int n = room.Geometry().columns;
    std::vector<Choice> choices;
    for (BoardCell to : Jumps(room)) {
        const int dx = 2 * to.col - (n - 1), dy = 2 * to.row - (n - 1);
        choices.push_back({to, Jumps(After(room, to)).size(), dx * dx + dy * dy});
    }
    std::stable_sort(choices.begin(), choices.end(), [](const Choice& a, const Choice& b) {
        return a.onward != b.onward ? a.onward < b.onward : a.fromMiddle > b.fromMiddle;
    });
    for (const Choice& choice : choices) {
        search.jumps.push_back(choice.to);
        if (Search(After(room, choice.to), search, budget)) return true;
        search.jumps.pop_back();
        if (search.positions > budget) return false;
    }
    return false;
}

}  // namespace knight_tour

// Searches a tour from the room's current position.
inline TourSearch FindTour(const KnightRules& room, long budget) {
    TourSearch search;
    const int n = room.Geometry().columns;
    const BoardCell start = room.Ball();
    if (n % 2 == 1 && (start.col + start.row) % 2 == 1) {
        search.result = TourSearch::NoTour;
        return search;
    }
    if (knight_tour::Search(room, search, budget))
        search.result = TourSearch::Found;
    else
        search.result = search.positions > budget ? TourSearch::GaveUp : TourSearch::NoTour;
    return search;
}

}  // namespace tarnwick::testing
