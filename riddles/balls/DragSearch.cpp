// SPDX-License-Identifier: GPL-3.0-or-later
#include "riddles/balls/DragSearch.h"

#include <algorithm>
#include <bit>
#include <utility>

namespace tarnwick {

namespace {

// The drops of a room between packed positions: two bits a field, 0 an
// empty field and 1..3 the kinds of ball of the position it starts from. A
// copy of the room stands on each position asked about.
class DropMaker {
public:
    // The codes of the kinds on the room's board, or the ones given.
    explicit DropMaker(const BallBoardRules& room, std::vector<int> kinds = {})
        : copy_(room.Copy()), scratch_(dynamic_cast<BallBoardRules&>(*copy_)), kinds_(std::move(kinds)) {
        position_ = scratch_.Values();
        if (!kinds_.empty()) return;
        kinds_.push_back(0);
        for (int value : position_)
            if (std::find(kinds_.begin(), kinds_.end(), value) == kinds_.end()) kinds_.push_back(value);
        std::sort(kinds_.begin() + 1, kinds_.end());
    }

    const std::vector<int>& Kinds() const { return kinds_; }
    // The room's own position; nothing for a board of more than three kinds
    // of ball or 32 fields, which no room has.
    std::optional<std::uint64_t> Start() const { return Pack(kinds_, position_); }

    // The position packed by the codes of `kinds`; nothing for a value they
    // do not know (or more than four kinds).
    static std::optional<std::uint64_t> Pack(const std::vector<int>& kinds, const std::vector<int>& values) {
        if (values.size() > 32 || kinds.size() > 4) return std::nullopt;
        std::uint64_t key = 0;
        for (std::size_t i = 0; i < values.size(); ++i) {
            const auto code = std::find(kinds.begin(), kinds.end(), values[i]);
            if (code == kinds.end()) return std::nullopt;
            key |= std::uint64_t(code - kinds.begin()) << (2 * i);
        }
        return key;
    }

    // Puts the copy on the packed position.
    void StandOn(std::uint64_t key) {
        for (std::size_t i = 0; i < position_.size(); ++i) position_[i] = kinds_[(key >> (2 * i)) & 3];
        scratch_.SetValues(position_);
    }
    const std::vector<int>& Position() const { return position_; }
    bool Solved() const { return scratch_.IsSolved(); }

    // Every drop the rules accept from the position the copy stands on, as
    // `drop(move, key after it)`, by the field the ball leaves, then the
    // field it lands on.
    template <typename Drop>
    void ForEachDrop(std::uint64_t key, Drop drop) {
        const int columns = scratch_.Geometry().columns;
        if (reach_.empty()) {
            // Each field, and the fields in reach from it.
            for (std::size_t i = 0; i < position_.size(); ++i)
                cells_.push_back({static_cast<int>(i) % columns, static_cast<int>(i) / columns});
            reach_.resize(position_.size());
            for (std::size_t from = 0; from < position_.size(); ++from)
                for (std::size_t to = 0; to < position_.size(); ++to)
                    if (scratch_.InReach(cells_[from], cells_[to])) reach_[from].push_back(to);
        }
        for (std::size_t from = 0; from < position_.size(); ++from) {
            if (position_[from] == 0) continue;
            for (std::size_t to : reach_[from]) {
                if (position_[to] != 0 || !scratch_.Allows(cells_[from], cells_[to])) continue;
                // The drop as the rules make it, jumped balls and all.
                const std::uint64_t ball = (key >> (2 * from)) & 3;
                std::uint64_t next = (key & ~(std::uint64_t{3} << (2 * from))) | ball << (2 * to);
                for (BoardCell jumped : scratch_.Jumped(cells_[from], cells_[to]))
                    next &= ~(std::uint64_t{3} << (2 * (jumped.row * columns + jumped.col)));
                drop(DragMove{cells_[from], cells_[to]}, next);
            }
        }
    }

private:
    std::unique_ptr<RoomRules> copy_;
    BallBoardRules& scratch_;
    std::vector<int> kinds_;
    std::vector<int> position_;
    std::vector<BoardCell> cells_;                 // of each field
    std::vector<std::vector<std::size_t>> reach_;  // the fields in reach from each
};

Hint HintOf(const DragSearch& search) {
    switch (search.result) {
    case DragSearch::Found: return Hint::Drag(search.moves.front().from, search.moves.front().to);
    case DragSearch::GaveUp: return Hint::Of(Hint::GaveUp);
    default: return Hint::Of(Hint::NoWay);
    }
}

}  // namespace

DragSearch SearchDrags(const BallBoardRules& room, long bound, bool whole,
                       const std::function<void(const std::vector<int>&)>& visit) {
    DragSearch search;
    DropMaker drops(room);
    struct Came {
        std::uint64_t from;
        DragMove move;
    };
    if (!drops.Start()) {
        search.result = DragSearch::GaveUp;
        return search;
    }
    const std::uint64_t startKey = *drops.Start();
    std::unordered_map<std::uint64_t, Came> came{{startKey, {startKey, {}}}};
    std::vector<std::uint64_t> queue{startKey};
    bool found = false;
    std::uint64_t solvedKey = 0;
    for (std::size_t next = 0; next < queue.size(); ++next) {
        const std::uint64_t here = queue[next];
        drops.StandOn(here);
        ++search.positions;
        if (visit) visit(drops.Position());
        if (!found && drops.Solved()) {
            found = true;
            solvedKey = here;
            if (!whole) break;
        }
        if (search.positions > bound) {
            search.result = DragSearch::GaveUp;
            return search;
        }
        drops.ForEachDrop(here, [&](const DragMove& move, std::uint64_t key) {
            if (came.try_emplace(key, Came{here, move}).second) queue.push_back(key);
        });
    }
    if (!found) return search;
    search.result = DragSearch::Found;
    for (std::uint64_t key = solvedKey; key != startKey; key = came.at(key).from)
        search.moves.push_back(came.at(key).move);
    std::reverse(search.moves.begin(), search.moves.end());
    return search;
}

std::size_t PositionNumbers::Slot(std::uint64_t key) const {
    // Fibonacci hashing onto the table, then the next slots in turn.
    const int bits = std::countr_zero(keys_.size());
    std::size_t slot = static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> (64 - bits));
    while (numbers_[slot] != 0 && keys_[slot] != key) slot = (slot + 1) & (keys_.size() - 1);
    return slot;
}

void PositionNumbers::Grow() {
    std::vector<std::uint64_t> keys(std::max<std::size_t>(1024, 2 * keys_.size()));
    std::vector<std::uint32_t> numbers(keys.size(), 0);
    keys_.swap(keys);
    numbers_.swap(numbers);
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (numbers[i] == 0) continue;
        const std::size_t slot = Slot(keys[i]);
        keys_[slot] = keys[i];
        numbers_[slot] = numbers[i];
    }
}

std::pair<std::uint32_t, bool> PositionNumbers::Add(std::uint64_t key) {
    if (2 * (count_ + 1) > keys_.size()) Grow();
    const std::size_t slot = Slot(key);
    if (numbers_[slot] != 0) return {numbers_[slot] - 1, false};
    keys_[slot] = key;
    numbers_[slot] = static_cast<std::uint32_t>(++count_);
    return {numbers_[slot] - 1, true};
}

std::optional<std::uint32_t> PositionNumbers::Find(std::uint64_t key) const {
    if (keys_.empty()) return std::nullopt;
    const std::size_t slot = Slot(key);
    if (numbers_[slot] == 0) return std::nullopt;
    return numbers_[slot] - 1;
}

DragDistances::DragDistances(const BallBoardRules& room, long bound) : level_(room.Level()) {
    const std::unique_ptr<RoomRules> entry = room.Copy();
    entry->InitLevel(level_);
    DropMaker drops(dynamic_cast<const BallBoardRules&>(*entry));
    kinds_ = drops.Kinds();
    if (!drops.Start()) return;

    // Every position from the entry, numbered as met, and the drops out of
    // each (those of position n follow those of n - 1)...
    std::vector<std::uint64_t> keys{*drops.Start()};
    numbers_.Add(keys.front());
    std::vector<std::uint32_t> into, firstOut{0};
    std::vector<std::uint32_t> solved;
    for (std::uint32_t at = 0; at < keys.size(); ++at) {
        if (static_cast<long>(keys.size()) > bound) return;
        drops.StandOn(keys[at]);
        if (drops.Solved()) solved.push_back(at);
        drops.ForEachDrop(keys[at], [&](const DragMove&, std::uint64_t key) {
            const auto [number, added] = numbers_.Add(key);
            if (added) keys.push_back(key);
            into.push_back(number);
        });
        firstOut.push_back(static_cast<std::uint32_t>(into.size()));
    }
    // ... turned round: the positions with a drop into each.
    std::vector<std::uint32_t> firstIn(keys.size() + 1, 0), from(into.size());
    for (std::uint32_t to : into) ++firstIn[to + 1];
    for (std::size_t at = 0; at < keys.size(); ++at) firstIn[at + 1] += firstIn[at];
    std::vector<std::uint32_t> filled(firstIn.begin(), firstIn.end() - 1);
    for (std::uint32_t at = 0; at < keys.size(); ++at)
        for (std::uint32_t i = firstOut[at]; i < firstOut[at + 1]; ++i) from[filled[into[i]]++] = at;

    // Outwards from the solved positions, against the drops.
    distance_.assign(keys.size(), NoWay);
    for (std::uint32_t at : solved) distance_[at] = 0;
    for (std::size_t next = 0; next < solved.size(); ++next) {
        const std::uint32_t at = solved[next];
        for (std::uint32_t i = firstIn[at]; i < firstIn[at + 1]; ++i) {
            if (distance_[from[i]] != NoWay) continue;
            distance_[from[i]] = distance_[at] + 1;
            solved.push_back(from[i]);
        }
    }
    complete_ = true;
}

std::optional<int> DragDistances::Of(std::uint64_t key) const {
    const auto number = numbers_.Find(key);
    if (!complete_ || !number) return std::nullopt;
    return distance_[*number];
}

std::optional<int> DragDistances::Of(const std::vector<int>& values) const {
    const auto key = DropMaker::Pack(kinds_, values);
    if (!key) return std::nullopt;
    return Of(*key);
}

std::optional<Hint> DragDistances::NextMove(const BallBoardRules& room) const {
    if (room.Level() != level_ || room.MoveUnderway()) return std::nullopt;
    const auto key = DropMaker::Pack(kinds_, room.Values());
    const auto here = key ? Of(*key) : std::nullopt;
    if (!here) return std::nullopt;
    if (*here == 0) return Hint::Of(Hint::Solved);
    if (*here == NoWay) return Hint::Of(Hint::NoWay);
    DropMaker drops(room, kinds_);
    drops.StandOn(*key);
    std::optional<Hint> hint;
    drops.ForEachDrop(*key, [&](const DragMove& move, std::uint64_t next) {
        if (!hint && Of(next) == *here - 1) hint = Hint::Drag(move.from, move.to);
    });
    return hint;
}

Hint DragHints::NextMove(const BallBoardRules& room) const {
    if (room.IsSolved()) return Hint::Of(Hint::Solved);
    if (room.Level() >= 1 && room.Level() <= 3) {
        auto& known = (*known_)[static_cast<std::size_t>(room.Level() - 1)];
        if (!known) known = std::make_unique<const DragDistances>(room, DragHintBound);
        if (const auto hint = known->NextMove(room)) return *hint;
    }
    return HintOf(SearchDrags(room, DragHintBound));
}

}  // namespace tarnwick
