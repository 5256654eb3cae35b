#pragma once
// A search for walks through the room of wandering, move by move through
// its real rules: every slide the rules accept, longest first, cut short
// where no walk can cover the fields left (fields cut off from the ball, a
// field with too few neighbours to be passed through, the white field
// gone, too few or too many fields for the moves left, more fields where
// the walk must turn than moves left) or where the line was crossed other
// than wished. Positions already searched in vain, reached again by
// another order of moves, are not searched twice.
#include <bit>
#include <cstdint>
#include <optional>
#include <unordered_set>
#include <utility>
#include <vector>

#include "riddles/fields/WanderingRules.h"

namespace tarnwick::testing {

// Which crossing of the level's line a walk must make: never, in any move,
// or in the move made with that many moves left.
struct LineWish {
    static constexpr int Never = -1;
    static constexpr int AnyMove = 0;
    int at = AnyMove;
};

struct WanderingSearch {
    std::vector<BoardCell> clicks;
    long positions = 0;
    struct Hash {
        size_t operator()(const std::pair<std::uint64_t, int>& p) const {
            return std::hash<std::uint64_t>()(p.first * 0x9e3779b97f4a7c15ull ^ static_cast<std::uint64_t>(p.second));
        }
    };
    std::unordered_set<std::pair<std::uint64_t, int>, Hash> dead;  // positions without a walk
};

namespace wandering {

inline const BoardCell Directions[4] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};

// The board as 64 bits, bit 8 * row + column for each field still there.
using Fields = std::uint64_t;

inline Fields FieldsOf(const WanderingRules& room) {
    Fields fields = 0;
    for (int i = 0; i < 64; ++i) fields |= Fields{room.FieldThere({i % 8, i / 8})} << i;
    return fields;
}
inline Fields Bit(BoardCell cell) { return Fields{1} << (cell.row * 8 + cell.col); }

// The fields whose neighbour to the west, east, north and south is one of
// `fields`.
struct Sides {
    Fields west, east, north, south;
    explicit Sides(Fields fields)
        : west((fields << 1) & ~0x0101010101010101ull),
          east((fields >> 1) & ~0x8080808080808080ull),
          north(fields << 8),
          south(fields >> 8) {}
    Fields Any() const { return west | east | north | south; }
    Fields AtLeastTwo() const {
        return (west & (east | north | south)) | (east & (north | south)) | (north & south);
    }
    Fields StraightThrough() const { return (west & east) | (north & south); }
};

// Whether a walk could still cover every field left from here.
inline bool Coverable(const WanderingRules& room, Fields fields) {
    const int left = std::popcount(fields) - 1;  // besides the ball's
    if (left < room.MovesLeft() || left > 7 * room.MovesLeft()) return false;
    if (room.MovesLeft() == 0) return true;  // the ball stands alone
    const Fields ball = Bit(room.Ball()), white = Bit(room.WhiteField());
    if (!(fields & white)) return false;
    const Sides sides(fields);
    // Every field is entered and left again, but the walk's end; where that
    // cannot be straight through, one move ends and the next begins.
    const Fields passed = fields & ~ball & ~white;
    if ((passed & ~sides.AtLeastTwo()) || !(white & sides.Any())) return false;
    if (std::popcount(passed & ~sides.StraightThrough()) > room.MovesLeft() - 1) return false;
    // Every field left hangs together with the ball's.
    Fields reached = ball;
    for (Fields before = 0; reached != before;) {
        before = reached;
        reached |= Sides(reached).Any() & fields;
    }
    return reached == fields;
}

inline bool LineStillPossible(const WanderingRules& room, LineWish wish) {
    const auto line = room.LevelLine();
    if (!line) return true;
    const int crossed = room.LineCrossedAt();
    if (crossed != WanderingRules::NotCrossed) return wish.at == LineWish::AnyMove || crossed == wish.at;
    if (wish.at == LineWish::Never) return true;
    if (wish.at > 0 && room.MovesLeft() < wish.at) return false;
    return room.FieldThere(line->west) && room.FieldThere(line->East());
}

// The fields left, and the ball, the moves left and the crossing.
inline std::pair<Fields, int> PositionOf(const WanderingRules& room) {
    const int ball = room.Ball().row * 8 + room.Ball().col;
    return {FieldsOf(room), (ball * 32 + room.MovesLeft()) * 32 + room.LineCrossedAt() + 1};
}

inline bool Search(const WanderingRules& room, LineWish wish, WanderingSearch& search, long budget) {
    if (room.MovesLeft() == 0)
        return room.FieldsLeft() == 1 && room.Ball() == room.WhiteField() &&
               (!room.LevelLine() || wish.at == LineWish::Never || room.LineCrossedAt() != WanderingRules::NotCrossed);
    if (++search.positions > budget) return false;
    for (BoardCell d : Directions) {
        // The far end first: long slides use the moves best.
        int reach = 0;
        while (room.FieldThere({room.Ball().col + d.col * (reach + 1), room.Ball().row + d.row * (reach + 1)}))
            ++reach;
        for (int k = reach; k >= 1; --k) {
            const BoardCell to{room.Ball().col + d.col * k, room.Ball().row + d.row * k};
            WanderingRules next = room;
            if (next.Click({to, 16, 16}).empty()) return false;  // the rules refuse a clear slide
            const auto position = PositionOf(next);
            if (search.dead.count(position)) continue;
            if (Coverable(next, position.first) && LineStillPossible(next, wish)) {
                search.clicks.push_back(to);
                if (Search(next, wish, search, budget)) return true;
                search.clicks.pop_back();
                if (search.positions > budget) return false;
            }
            search.dead.insert(position);
        }
    }
    return false;
}

}  // namespace wandering

// A walk from the room's current position that uses every move, leaves
// only the white field and crosses the line as wished; the fields clicked.
inline std::optional<std::vector<BoardCell>> FindWalk(const WanderingRules& room, LineWish wish, long budget,
                                                      long* positions = nullptr) {
    WanderingSearch search;
    search.dead.reserve(1 << 17);
    const bool found = wandering::Search(room, wish, search, budget);
    if (positions) *positions = search.positions;
    if (!found) return std::nullopt;
    return search.clicks;
}

}  // namespace tarnwick::testing
