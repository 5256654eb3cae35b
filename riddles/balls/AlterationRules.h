// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The room of alteration: green balls on the top row and yellow ones on the
// bottom row of a board three fields wide; the balls jump like knights, and
// the colours must change places.
#include "riddles/balls/DragSearch.h"

namespace tarnwick {

class AlterationRules : public CopyableRoom<AlterationRules, BallBoardRules> {
public:
    static constexpr int Green = 5;
    static constexpr int Yellow = 7;
    static constexpr int BoardColumns = 3;

    BiText RoomName() const override;
    BiText EntryMessage() const override;
    std::vector<BiText> RulesMessages() const override;
    // The first drop of a shortest way, read from the level's distances.
    Hint NextMove() const override { return hints_.NextMove(*this); }
    bool DarkRoom() const override { return true; }
    bool IsSolved() const override;
    bool InReach(BoardCell from, BoardCell to) const override;  // a knight's jump, wherever it lands

protected:
    void SetUpLevel(int level) override;
    // The position is judged after a ball has come back from a refused
    // jump too.
    bool JudgesRefusedDrop() const override { return true; }

private:
    DragHints hints_;
};

}  // namespace tarnwick
