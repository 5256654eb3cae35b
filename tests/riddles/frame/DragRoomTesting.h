// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the tests of the drag rooms share: boards written as text, a room
// opened on a level, and moves made as the window makes them.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "riddles/balls/BallBoardRules.h"

namespace tarnwick::testing {

// A board from its rows written one after the other, top row first (blanks
// between rows are skipped): '.' an empty field, a letter the kind `kinds`
// gives it.
inline std::vector<int> BoardOf(const std::string& rows, const std::vector<std::pair<char, int>>& kinds) {
    std::vector<int> values;
    for (char c : rows) {
        if (c == ' ') continue;
        int kind = 0;
        for (const auto& [letter, value] : kinds)
            if (c == letter) kind = value;
        values.push_back(kind);
    }
    return values;
}

template <typename Rules>
Rules AtLevel(int level) {
    Rules room;
    room.InitLevel(level);
    return room;
}

// Lifts the ball from a field (there must be one) and drops it.
inline Steps Drag(BallBoardRules& room, BoardCell from, std::optional<BoardCell> to) {
    EXPECT_NE(room.Lift(from), 0);
    return room.Drop(to);
}

inline bool Accepted(const Steps& steps) { return !steps.empty() && steps.front() == steps::PlayCue(CueAccepted); }

// A move between fields numbered row by row; whether it was accepted.
inline bool PlayMove(BallBoardRules& room, int from, int to) {
    const int columns = room.Geometry().columns;
    if (room.Lift({from % columns, from / columns}) == 0) return false;
    return Accepted(room.Drop(BoardCell{to % columns, to / columns}));
}

}  // namespace tarnwick::testing
