// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Breadth-first through the drops a ball room's own rules accept: the
// shortest way to a solved position from the position as it stands, and,
// for the rooms whose levels reach few positions, every position a level
// reaches from its entry with the drops each lies from a solved one. The
// searches run on a copy of the room; a position is the board packed two
// bits a field, so a room may know three kinds of ball and up to 32 fields.
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <unordered_map>
#include <utility>
#include <vector>

#include "riddles/balls/BallBoardRules.h"

namespace tarnwick {

// One drop: the ball on `from` onto `to`.
struct DragMove {
    BoardCell from;
    BoardCell to;
    friend bool operator==(const DragMove&, const DragMove&) = default;
};

struct DragSearch {
    enum Result { Found, NoWay, GaveUp };
    Result result = NoWay;
    std::vector<DragMove> moves;  // Found: the shortest way, first drop first
    long positions = 0;           // positions met, the start among them
};

// Stops at the first solved position it meets, unless `whole` is set: then
// every position reachable is met (the shortest way is still the one
// returned). `visit` sees each position met, as the room's Values(); more
// than `bound` positions give up.
DragSearch SearchDrags(const BallBoardRules& room, long bound, bool whole = false,
                       const std::function<void(const std::vector<int>&)>& visit = {});

// The positions a hint searches at most: far more than any level holds.
constexpr long DragHintBound = 2000000;

// Packed positions numbered 0, 1, 2 ... as they are first met.
class PositionNumbers {
public:
    // The position's number, and whether it is new (then numbered next).
    std::pair<std::uint32_t, bool> Add(std::uint64_t key);
    std::optional<std::uint32_t> Find(std::uint64_t key) const;
    std::size_t Size() const { return count_; }

private:
    std::size_t Slot(std::uint64_t key) const;
    void Grow();

    // Open addressing: a slot holds a key and its number + 1 (0: free).
    std::vector<std::uint64_t> keys_;
    std::vector<std::uint32_t> numbers_;
    std::size_t count_ = 0;
};

// Every position a level reaches from its entry (the room as InitLevel
// lays it out), and the fewest drops from each to a solved position.
class DragDistances {
public:
    static constexpr int NoWay = -1;  // no solved position can be reached

    // Searches the level the room stands on; more than `bound` positions
    // give up (Complete is then false and nothing is known).
    DragDistances(const BallBoardRules& room, long bound);

    int Level() const { return level_; }
    bool Complete() const { return complete_; }
    long Positions() const { return static_cast<long>(distance_.size()); }
    // The fewest drops from a position to a solved one (NoWay: none);
    // nothing for a position the level does not reach from its entry.
    std::optional<int> Of(const std::vector<int>& values) const;
    // The first drop of a shortest way from the room's position; nothing
    // when the position is not one of the level's.
    std::optional<Hint> NextMove(const BallBoardRules& room) const;

private:
    std::optional<int> Of(std::uint64_t key) const;

    std::vector<int> kinds_{0};  // the value of each two-bit code
    int level_ = 0;
    bool complete_ = false;
    PositionNumbers numbers_;
    std::vector<int> distance_;  // by number
};

// The hint of a room whose levels DragDistances searches whole: a level's
// table is worked out at its first hint, by the room or any copy of it, and
// the copies share it (a move taken back does not forget it); a position
// the level does not reach from its entry (set by hand) is searched on its
// own.
class DragHints {
public:
    Hint NextMove(const BallBoardRules& room) const;

private:
    using Levels = std::array<std::unique_ptr<const DragDistances>, 3>;  // levels 1..3
    std::shared_ptr<Levels> known_ = std::make_shared<Levels>();
};

}  // namespace tarnwick
