#include "riddles/balls/DragSearch.h"

#include <algorithm>
#include <unordered_map>

namespace tarnwick {

namespace {

// The board as one number, two bits a field: 0 empty, 1..3 the kinds of
// ball in the order they were first seen.
class Packing {
public:
    std::uint64_t Pack(const std::vector<int>& values) {
        std::uint64_t key = 0;
        for (std::size_t i = 0; i < values.size(); ++i) key |= std::uint64_t(Code(values[i])) << (2 * i);
        return key;
    }
    std::vector<int> Unpack(std::uint64_t key, std::size_t fields) const {
        std::vector<int> values(fields);
        for (std::size_t i = 0; i < fields; ++i) values[i] = kinds_[(key >> (2 * i)) & 3];
        return values;
    }

private:
    int Code(int value) {
        const auto known = std::find(kinds_.begin(), kinds_.end(), value);
        if (known != kinds_.end()) return static_cast<int>(known - kinds_.begin());
        kinds_.push_back(value);  // a fifth value would spill; rooms have at most three kinds
        return static_cast<int>(kinds_.size()) - 1;
    }
    std::vector<int> kinds_{0};
};

}  // namespace

DragSearch SearchDrags(const BallBoardRules& room, long bound, bool whole,
                       const std::function<void(const std::vector<int>&)>& visit) {
    DragSearch search;
    const std::unique_ptr<RoomRules> copy = room.Copy();
    auto& scratch = dynamic_cast<BallBoardRules&>(*copy);
    const BoardGeometry& g = scratch.Geometry();
    const auto cellOf = [&g](int i) { return BoardCell{i % g.columns, i / g.columns}; };

    Packing packing;
    const std::vector<int> start = scratch.Values();
    const std::size_t fields = start.size();
    struct Came {
        std::uint64_t from;
        DragMove move;
    };
    const std::uint64_t startKey = packing.Pack(start);
    std::unordered_map<std::uint64_t, Came> came{{startKey, {startKey, {}}}};
    std::vector<std::uint64_t> queue{startKey};
    bool found = false;
    std::uint64_t solvedKey = 0;
    for (std::size_t next = 0; next < queue.size(); ++next) {
        const std::uint64_t here = queue[next];
        const std::vector<int> position = packing.Unpack(here, fields);
        ++search.positions;
        if (visit) visit(position);
        scratch.SetValues(position);
        if (!found && scratch.IsSolved()) {
            found = true;
            solvedKey = here;
            if (!whole) break;
        }
        if (search.positions > bound) {
            search.result = DragSearch::GaveUp;
            return search;
        }
        for (std::size_t from = 0; from < fields; ++from) {
            if (position[from] == 0) continue;
            const BoardCell a = cellOf(static_cast<int>(from));
            for (std::size_t to = 0; to < fields; ++to) {
                const BoardCell b = cellOf(static_cast<int>(to));
                if (position[to] != 0 || !scratch.Allows(a, b)) continue;
                // The drop as the rules make it, jumped balls and all.
                const std::uint64_t ball = (here >> (2 * from)) & 3;
                std::uint64_t key = (here & ~(std::uint64_t{3} << (2 * from))) | ball << (2 * to);
                for (BoardCell jumped : scratch.Jumped(a, b))
                    key &= ~(std::uint64_t{3} << (2 * (jumped.row * g.columns + jumped.col)));
                if (came.try_emplace(key, Came{here, {a, b}}).second) queue.push_back(key);
            }
        }
    }
    if (!found) return search;
    search.result = DragSearch::Found;
    for (std::uint64_t key = solvedKey; key != startKey; key = came.at(key).from)
        search.moves.push_back(came.at(key).move);
    std::reverse(search.moves.begin(), search.moves.end());
    return search;
}

Hint ShortestDragHint(const BallBoardRules& room, long bound) {
    if (room.IsSolved()) return Hint::Of(Hint::Solved);
    const DragSearch search = SearchDrags(room, bound);
    switch (search.result) {
    case DragSearch::Found: return Hint::Drag(search.moves.front().from, search.moves.front().to);
    case DragSearch::GaveUp: return Hint::Of(Hint::GaveUp);
    default: return Hint::Of(Hint::NoWay);
    }
}

}  // namespace tarnwick
