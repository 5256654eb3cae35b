// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The room of disappearance: peg solitaire on a 5 x 5 board. A ball jumps
// over a neighbour, straight or diagonally, onto the empty field behind it,
// and the jumped ball vanishes. The last ball left must be the yellow one,
// in the centre.
#include "riddles/balls/DragSearch.h"

namespace tarnwick {

class DisappearanceRules : public CopyableRoom<DisappearanceRules, BallBoardRules> {
public:
    static constexpr int Ball = 6;
    static constexpr int Yellow = 8;
    static constexpr int BoardSize = 5;
    static constexpr BoardCell Centre{2, 2};

    BiText RoomName() const override;
    BiText EntryMessage() const override;
    std::vector<BiText> RulesMessages() const override;
    std::vector<BoardCell> Jumped(BoardCell from, BoardCell to) const override;
    bool InReach(BoardCell from, BoardCell to) const override;  // two fields straight or diagonally
    // The first drop of a shortest way, read from the level's distances.
    Hint NextMove() const override { return hints_.NextMove(*this); }
    bool IsSolved() const override { return Balls() == 1 && Cell(Centre) == Yellow; }

protected:
    void SetUpLevel(int level) override;
    bool AcceptsDrop(BoardCell from, BoardCell to, int kind) const override;

private:
    DragHints hints_;
};

}  // namespace tarnwick
