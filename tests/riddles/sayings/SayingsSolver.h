#pragma once
// The room of sayings solved in its table's order: letter 1, 2, 3, ...
#include <gtest/gtest.h>

#include <vector>

#include "riddles/sayings/SayingsRules.h"

namespace tarnwick::testing {

// The field showing letter number n.
inline BoardCell FieldOf(const SayingsRules& room, int n) {
    const BoardGeometry& g = room.Geometry();
    for (int r = 0; r < g.rows; ++r)
        for (int c = 0; c < g.columns; ++c)
            if (room.LetterNumber({c, r}) == n) return {c, r};
    ADD_FAILURE() << "no field shows letter " << n;
    return {};
}

// Every field, in the order of the letters' numbers.
inline std::vector<BoardCell> SayingsInOrder(const SayingsRules& room) {
    std::vector<BoardCell> fields;
    for (int n = 1; n <= room.Geometry().Cells(); ++n) fields.push_back(FieldOf(room, n));
    return fields;
}

}  // namespace tarnwick::testing
