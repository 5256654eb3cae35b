// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every position of a level of the room of displacement, numbered: the
// corridor fields in reading order, and on them the red, green and yellow
// balls, each colour a choice of fields among those the colours before it
// left free. A step moves one ball onto a free corridor field next to it,
// across or along, as a push does. The distance of every position from the
// goal is known by threes (0, 1, 2): the next step of a shortest way is
// the one whose position is a step nearer, and the three distances a step
// can reach differ by threes. The table of a level is made once, at build
// time, by a breadth-first search from the goal.
#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "riddles/frame/Board.h"

namespace tarnwick {

class DisplacementGraph {
public:
    using Position = std::uint32_t;
    static constexpr int Unreached = 3;  // the code of a position the goal cannot reach

    explicit DisplacementGraph(int level);

    // How many positions the level's balls have on its corridors.
    Position Positions() const { return positions_; }
    // A board (the room's values, row by row) and its number.
    Position Number(const std::vector<int>& board) const;
    std::vector<int> Board(Position position) const;
    // Every step from a board: the field a ball leaves, the one it enters.
    std::vector<std::pair<BoardCell, BoardCell>> Steps(const std::vector<int>& board) const;
    const std::vector<int>& Goal() const { return goal_; }

    // The distance of every position from the goal by threes: 0, 1, 2, or
    // Unreached.
    std::vector<std::uint8_t> DistanceCodes() const;

    // The codes of a table written as text, three to a character of
    // TableDigits, and read back.
    static std::string TableText(const std::vector<std::uint8_t>& codes);
    static int CodeIn(const char* text, Position position);

private:
    static constexpr int Colours = 3;  // red, green, yellow
    std::vector<int> walls_;           // the board with every ball taken off
    std::vector<int> open_;            // the board index of each corridor field
    std::vector<std::vector<int>> next_;  // per corridor field, the corridor fields beside it
    std::vector<int> goal_;
    // Per colour: its number of balls, the fields left to it (those the
    // colours before it left free), and every choice of them, numbered.
    std::array<int, Colours> balls_{};
    std::array<int, Colours> free_{};
    std::array<std::vector<std::uint16_t>, Colours> choices_;       // number -> fields (a mask of the free ones)
    std::array<std::vector<std::int32_t>, Colours> choiceNumber_;  // mask -> number
    Position positions_ = 1;
};

}  // namespace tarnwick
