// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The knight's room: one ball on a square board of 5, 6 or 7 fields a side
// (level + 4) jumps like a chess knight; the field it leaves vanishes and
// can never be landed on again. Solved when only the ball's field is left.
// The ball starts on a field dealt at random, which on the odd boards may
// be one from which no tour exists; a reset deals again.
#include <algorithm>

#include "platform/Random.h"
#include "riddles/fields/VanishingFieldsRules.h"

namespace tarnwick {

class KnightRules : public CopyableRoom<KnightRules, VanishingFieldsRules> {
public:
    explicit KnightRules(Random& random) : random_(&random) {}

    BiText RoomName() const override;
    BiText EntryMessage() const override;
    std::vector<BiText> RulesMessages() const override;

    // Whether the ball may jump onto the field: a present field two fields
    // away in one direction and one in the other.
    bool CanJumpTo(BoardCell cell) const;
    Steps Click(const BoardPoint& point) override;
    Verdict Judge() const override { return SolvedIf(FieldsLeft() == 1); }
    // The first jump of a tour over every field left.
    Hint NextMove() const override;

    // Positions a hint's tour search looks at, at most: hundreds of times
    // what any position has needed, and some 70 ms, so that no hint holds
    // the game up for long.
    static constexpr long HintBudget = 50000;

    // Fields a side on a level 1..3.
    static int BoardSize(int level) { return std::clamp(level, 1, 3) + 4; }

protected:
    void SetUpLevel(int level) override;

private:
    Random* random_;
};

}  // namespace tarnwick
