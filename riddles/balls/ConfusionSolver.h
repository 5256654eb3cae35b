// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A short solution of the room of confusion: a best-first search over the
// knight's jumps its rules accept onto the one empty field. Only a ball a
// knight's move from the empty field can ever move, so a position is the
// fields of the red balls and those of the yellow ones, as two bit masks
// in one number, and a move swaps the empty field with one of the balls
// the rules let jump onto it. The search weighs the fewest jumps that
// could still bring every ball home half as much again as the jumps made:
// quick, and a few jumps longer than the shortest solution at most times.
// The hint asks it only where the level's table of distances is missing.
#include <array>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "riddles/balls/ConfusionRules.h"
#include "riddles/balls/DragSearch.h"

namespace tarnwick {

class ConfusionSolver {
public:
    static constexpr int Fields = ConfusionRules::BoardSize * ConfusionRules::BoardSize;
    using Position = std::uint64_t;

    // The jumps the room's rules accept, and the level's target.
    explicit ConfusionSolver(const ConfusionRules& room);

    // The drops of a solution from the room's position, first first; none
    // when the position is solved, or when none was found: there is none,
    // or the search gave up after `bound` positions (GaveUp).
    std::vector<DragMove> Solve(const ConfusionRules& room, long bound);
    long Positions() const { return positions_; }
    // The target it leads to, as ConfusionRules::Target gives it.
    const std::vector<int>& Target() const { return targetValues_; }
    bool GaveUp() const { return gaveUp_; }

    static Position Pack(const std::vector<int>& values);

private:
    // The fewest jumps that could bring the balls of one colour onto that
    // colour's target fields: the cheapest pairing of balls and fields
    // (Hungarian method), each pair costing the knight's distance.
    int Cost(Position p, int colour) const;
    // Both colours; a move changes one colour's fields only, so the other
    // colour's cost is known already.
    int Estimate(Position p);
    int KnownCost(std::uint32_t fields, int colour);

    confusion::Jumps jumpers_;  // fields whose ball may jump onto a field
    std::array<std::array<int, Fields>, Fields> distance_{};  // knight's moves between two fields
    Position target_ = 0;
    std::vector<int> targetValues_;
    // The cost of each colour's fields worked out so far; forgotten when
    // it grows too large.
    std::array<std::unordered_map<std::uint32_t, int>, 2> costs_;
    long positions_ = 0;
    bool gaveUp_ = false;
};

}  // namespace tarnwick
