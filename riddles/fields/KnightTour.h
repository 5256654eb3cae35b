// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A knight's tour through the fields left in the knight's room: jumps in
// Warnsdorff's order (the field with the fewest onward jumps first), cut
// short wherever the fields left can no longer be walked in one path, and
// never twice through a position already searched in vain. The fields are
// two colours, and every jump changes colour: the path from the ball
// alternates, so the counts of the two colours left fix the colour it ends
// on. On the odd boards a start whose column plus row is odd has no tour at
// all for that reason (the board holds one field more of even parity).
#include <vector>

#include "riddles/fields/KnightRules.h"

namespace tarnwick {

struct TourSearch {
    enum Result { Found, NoTour, GaveUp };
    Result result = GaveUp;
    std::vector<BoardCell> jumps;  // the tour's fields after the ball's
    long positions = 0;            // positions searched
};

// Searches a tour from the room's position, giving up after `budget`
// positions.
TourSearch FindTour(const KnightRules& room, long budget);

}  // namespace tarnwick
