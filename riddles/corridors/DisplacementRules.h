// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The room of displacement: red and green balls in black corridors cut
// into a wall of 7 x 6 fields. A grabbed ball steps from field to field
// under the mouse, into free corridor next to it only, until red and green
// have changed places. On level 3 three yellow balls stand in the way and
// must be back where they stood when the colours have changed.
#include <vector>

#include "riddles/frame/RoomRules.h"

namespace tarnwick {

class DisplacementRules : public CopyableRoom<DisplacementRules, RoomRules>, public PushRules {
public:
    // Field values; a ball's value is its sprite column too.
    static constexpr int Wall = -1;
    static constexpr int Corridor = 0;
    static constexpr int Red = 4;
    static constexpr int Green = 5;
    static constexpr int Yellow = 7;
    static constexpr int BoardColumns = 7;
    static constexpr int BoardRows = 6;

    BiText RoomName() const override;
    BiText EntryMessage() const override;
    std::vector<BiText> RulesMessages() const override;
    Verdict Judge() const override { return SolvedIf(IsSolved()); }
    bool IsSolved() const;

    // The field's value; a wall off the board.
    int Cell(BoardCell cell) const;

    bool Grab(BoardCell cell) override;
    Steps PushTo(std::optional<BoardCell> cell) override;
    Steps Release() override;
    bool Holding() const override { return held_ != 0; }
    BoardCell HeldAt() const override { return heldAt_; }
    bool MoveUnderway() const override { return Holding(); }
    // The next step of a shortest way to the goal, read from the table of
    // distances made at build time.
    Hint NextMove() const override;

    // The whole board row by row, for tests and solvers.
    std::vector<int> Values() const { return board_; }
    void SetValues(const std::vector<int>& values);

protected:
    void SetUpLevel(int level) override;

private:
    std::vector<int> board_;
    std::vector<int> goal_;
    int held_ = 0;  // the value of the ball held, 0 while none
    BoardCell heldAt_;
};

}  // namespace tarnwick
