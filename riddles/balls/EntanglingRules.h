// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The room of entangling: red balls in the left column, as many blue ones in
// the right column of a 5 x 4 board, and the colours must change places. A
// ball moves diagonally, as far as the player likes, but never onto a
// diagonal line that holds a ball of the other colour.
#include "riddles/balls/DragSearch.h"

namespace tarnwick {

class EntanglingRules : public CopyableRoom<EntanglingRules, BallBoardRules> {
public:
    static constexpr int Red = 5;
    static constexpr int Blue = 7;
    static constexpr int BoardColumns = 5;
    static constexpr int BoardRows = 4;

    BiText RoomName() const override;
    BiText EntryMessage() const override;
    std::vector<BiText> RulesMessages() const override;
    // The first drop of a shortest way, read from the level's distances.
    Hint NextMove() const override { return hints_.NextMove(*this); }
    bool DarkRoom() const override { return true; }
    bool IsSolved() const override;
    bool InReach(BoardCell from, BoardCell to) const override;  // a diagonal

    // Whether the level's start position has a ball on this row (in both
    // the red and the blue column).
    static bool StartRow(int level, int row);

protected:
    void SetUpLevel(int level) override;
    bool AcceptsDrop(BoardCell from, BoardCell to, int kind) const override;

private:
    DragHints hints_;
};

}  // namespace tarnwick
