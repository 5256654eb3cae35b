// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Room 7, the room of explosions: a duel of exploding gems against the
// chancellor on 6 x 6 fields. The player lays a gem on a field that is
// empty or the player's own; a field that holds as many gems as it has
// neighbours explodes and takes its neighbours over; the computer answers
// every move at once. A side that owns no field has lost. Every level is
// the same duel.
//
// A click reports the whole exchange as steps: the player's gem, the chain
// reaction, the computer's blinking gem, its chain reaction, the verdict.
// Each redraw is preceded by a Frame step naming the board as it stood at
// that moment (Moment), so the window can show the animation afterwards.
#include <vector>

#include "platform/Random.h"
#include "riddles/duel/DuelBoard.h"
#include "riddles/frame/RoomRules.h"

namespace tarnwick {

class DuelRules : public CopyableRoom<DuelRules, RoomRules>, public ClickRules {
public:
    static constexpr int Wait = 100;  // ms between the frames of an animation

    // `random` draws among the computer's equally good moves; `sweepLimit`
    // bounds every chain reaction.
    explicit DuelRules(Random& random, int sweepLimit = MaxSweeps);

    BiText RoomName() const override;
    BiText EntryMessage() const override;
    std::vector<BiText> RulesMessages() const override;
    Verdict Judge() const override;

    // The player's move on a field, and the computer's answer. No steps
    // at all for a click on the computer's field or after the duel ended.
    Steps Click(const BoardPoint& point) override;
    // The field a player looking one answer of the chancellor ahead would
    // take; no way on after a lost duel.
    Hint NextMove() const override;

    const DuelBoard& Board() const { return board_; }
    DuelState State() const { return state_; }
    // Puts a position on the board (tests, solvers).
    void SetPosition(const DuelBoard& board, DuelState state);

    // The board at a moment of the last click's animation; the board as it
    // stands for any other number.
    const DuelBoard& Moment(int frame) const;
    int Moments() const { return static_cast<int>(frames_.size()); }
    // Sweeps of the longest chain reaction the last click set off.
    int LongestChain() const { return longestChain_; }

protected:
    void SetUpLevel(int level) override;

private:
    void Show(Steps& steps, Step redraw);
    void PlayCascade(Steps& steps);
    void ComputerMove(Steps& steps);

    Random* random_;
    int sweepLimit_;
    DuelBoard board_;
    DuelState state_ = dsOpening;
    std::vector<DuelBoard> frames_;
    int longestChain_ = 0;
};

}  // namespace tarnwick
