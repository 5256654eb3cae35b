// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A search for walks through the room of wandering. A walk is a path over
// every field left, from the ball to the white field, in straight runs: a
// move slides along part of a run or a whole one, so the moves left must
// lie between the runs and the steps of the path. The search lays the
// path run by run (each run turns from the one before), cut short where
// the fields left can no longer be walked (see WalkPaths.h; the line to be
// crossed is a step the path must take), where more runs would be needed
// than moves are left (a field that cannot be passed straight is a turn;
// a row without a run along it needs a run down every column it has
// fields in, and runs alternate), and where the line is crossed other than
// wished. Positions searched in vain are not searched again with fewer
// moves. The runs found are then cut into exactly the moves left.
#include <vector>

#include "riddles/fields/WanderingRules.h"

namespace tarnwick {

// Which crossing of the level's line a walk must make: never, in any move,
// or in the move made with that many moves left.
struct LineWish {
    static constexpr int Never = -1;
    static constexpr int AnyMove = 0;
    int at = AnyMove;
};

struct WalkSearch {
    enum Result { Found, NoWalk, GaveUp };
    Result result = GaveUp;
    std::vector<BoardCell> clicks;  // the fields clicked, one a move
    long positions = 0;             // positions searched
};

// A walk from the room's position that uses every move left, leaves only
// the white field and crosses the line as wished; giving up after `budget`
// positions.
WalkSearch FindWalk(const WanderingRules& room, LineWish wish, long budget);

// The wish the level's own rule makes.
LineWish LevelWish(const WanderingRules& room);

}  // namespace tarnwick
