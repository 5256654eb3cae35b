// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The room of wandering: one ball on an 8 x 8 board slides straight along a
// row or a column as far as the player likes, and every field it leaves
// vanishes behind it. Each move costs one gem, whatever its length. Solved
// when the gems are used up, only one field is left and the ball stands on
// the white field. Levels 2 and 3 draw a line between two fields of a row
// that the ball must cross on its way; on level 3 it must cross it in the
// move made while the turquoise gem is the last one left.
#include <optional>

#include "riddles/fields/VanishingFieldsRules.h"

namespace tarnwick {

class WanderingRules : public CopyableRoom<WanderingRules, VanishingFieldsRules> {
public:
    // The line on the border between `west` and the field east of it. A
    // `crossAt` above 0 is the number of moves left (the turquoise gem) at
    // which it must be crossed; 0: in any move.
    struct Line {
        BoardCell west;
        int crossAt = 0;
        BoardCell East() const { return {west.col + 1, west.row}; }
    };
    static constexpr int NotCrossed = -1;
    static constexpr int SlideWaitMs = 50;

    BiText RoomName() const override;
    BiText EntryMessage() const override;
    std::vector<BiText> RulesMessages() const override;

    // Slides the ball to the clicked field along its row or column.
    Steps Click(const BoardPoint& point) override;
    Verdict Judge() const override;
    // The first move of a walk that solves the room from here.
    Hint NextMove() const override;
    // Positions a hint's walk search looks at, at most: some 90 ms, more
    // than the hardest positions met have needed (12 600, a few moves
    // after the start of level 1), so that no hint holds the game up for
    // long.
    static constexpr long HintBudget = 16000;

    BoardCell WhiteField() const;
    // Moves of the level, one gem each.
    int Moves() const;
    int MovesLeft() const { return movesLeft_; }
    std::optional<Line> LevelLine() const;
    // Moves left at the move that crossed the line; NotCrossed before.
    int LineCrossedAt() const { return lineCrossedAt_; }

protected:
    void SetUpLevel(int level) override;

private:
    bool PathClear(BoardCell to) const;
    bool StepCrossesLine(BoardCell from, BoardCell to) const;

    int movesLeft_ = 0;
    int lineCrossedAt_ = NotCrossed;
};

}  // namespace tarnwick
