#pragma once
// The room of confusion: twelve red and twelve yellow balls fill a 5 x 5
// board but for the centre; the balls jump like knights onto the one empty
// field, and red and yellow must exchange their places exactly.
#include "riddles/balls/BallBoardRules.h"
#include "riddles/balls/DragSearch.h"

namespace tarnwick {

class ConfusionRules : public CopyableRoom<ConfusionRules, BallBoardRules> {
public:
    static constexpr int Red = 4;
    static constexpr int Yellow = 7;
    static constexpr int BoardSize = 5;

    BiText RoomName() const override;
    BiText EntryMessage() const override;
    std::vector<BiText> RulesMessages() const override;
    bool IsSolved() const override { return Values() == Target(); }

    // The position the level asks for, as Values() gives a board.
    std::vector<int> Target() const;

    // The first drop of a short solution; the way found is kept, so while
    // the player follows it the next hints come at once.
    Hint NextMove() const override;

protected:
    void SetUpLevel(int level) override;
    bool AcceptsDrop(BoardCell from, BoardCell to, int kind) const override;

private:
    // The positions along the last solution found, and the drop from each.
    mutable std::vector<std::vector<int>> way_;
    mutable std::vector<DragMove> wayMoves_;
};

}  // namespace tarnwick
