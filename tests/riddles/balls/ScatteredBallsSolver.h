#pragma once
// The placement solver of the rooms of restriction and loneliness: one
// solved position of a level's board, found by filling it row by row
// through the rules' own judgement, and the drops that carry a deal's balls
// onto it.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "riddles/balls/BallBoardRules.h"

namespace tarnwick::testing {

inline std::vector<BoardCell> BallsOf(const BallBoardRules& rules) {
    std::vector<BoardCell> balls;
    const BoardGeometry& g = rules.Geometry();
    for (int r = 0; r < g.rows; ++r)
        for (int c = 0; c < g.columns; ++c)
            if (rules.Cell({c, r}) != 0) balls.push_back({c, r});
    return balls;
}

// Fills rows from `row` on with `perRow` balls each, columns from `first`
// on, backing out of every partial board the rules already judge crowded
// (a line with too many balls stays too full whatever is added).
inline bool Spread(BallBoardRules& rules, std::vector<int>& values, int perRow, int row, int first, int left) {
    const int n = rules.Geometry().columns;
    if (row == n) return true;
    if (left == 0) return Spread(rules, values, perRow, row + 1, 0, perRow);
    for (int c = first; c < n; ++c) {
        values[row * n + c] = 1;
        rules.SetValues(values);
        if (rules.IsSolved() && Spread(rules, values, perRow, row, c + 1, left - 1)) return true;
        values[row * n + c] = 0;
    }
    return false;
}

// A position of the level's board that the rules call solved.
inline std::vector<BoardCell> SolvedPosition(BallBoardRules& rules, int perRow) {
    const int n = rules.Geometry().columns;
    std::vector<int> values(static_cast<std::size_t>(n * n), 0);
    EXPECT_TRUE(Spread(rules, values, perRow, 0, 0, perRow));
    return BallsOf(rules);
}

// The drops (from, to) that bring every ball off the goal onto a free goal
// field; none when the balls do not match the goal's number. A deal that
// happens to be solved still needs one move to be judged: a ball put back.
inline std::optional<std::vector<std::pair<BoardCell, BoardCell>>> PlacementMoves(const BallBoardRules& rules,
                                                                               const std::vector<BoardCell>& goal) {
    std::vector<BoardCell> strays, free;
    for (BoardCell ball : BallsOf(rules))
        if (std::find(goal.begin(), goal.end(), ball) == goal.end()) strays.push_back(ball);
    for (BoardCell field : goal)
        if (rules.Cell(field) == 0) free.push_back(field);
    if (strays.size() != free.size()) return std::nullopt;
    std::vector<std::pair<BoardCell, BoardCell>> moves;
    for (std::size_t i = 0; i < strays.size(); ++i) moves.push_back({strays[i], free[i]});
    if (moves.empty()) moves.push_back({goal.front(), goal.front()});
    return moves;
}

}  // namespace tarnwick::testing
