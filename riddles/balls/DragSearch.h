#pragma once
// Breadth-first through the drops a ball room's own rules accept, from the
// position as it stands: the shortest way to a solved position, and every
// position met on the way. The search runs on a copy of the room; a
// position is the board packed two bits a field, so a room may know three
// kinds of ball and up to 32 fields.
#include <cstdint>
#include <functional>
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

// The hint of a room solved by SearchDrags.
Hint ShortestDragHint(const BallBoardRules& room, long bound);

}  // namespace tarnwick
