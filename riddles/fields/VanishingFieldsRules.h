// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rooms in which one ball walks over a board whose fields vanish behind
// it (the knight's room, the room of wandering): which fields are still
// there and where the ball stands. The ball's own field is always there.
#include <vector>

#include "riddles/frame/RoomRules.h"

namespace tarnwick {

class VanishingFieldsRules : public RoomRules, public ClickRules {
public:
    // Whether the field is still there; false off the board.
    bool FieldThere(BoardCell cell) const;
    int FieldsLeft() const;
    BoardCell Ball() const { return ball_; }

    // The board at a moment recorded during the last move (a Frame step),
    // so a slide can be shown cell by cell; any other moment is the board
    // as it stands now.
    bool FieldThereAt(int moment, BoardCell cell) const;
    BoardCell BallAt(int moment) const;

protected:
    // Places the board with every field there and the ball on `ball`; for
    // SetUpLevel.
    void LayFields(const BoardGeometry& geometry, BoardCell ball);
    // The ball leaves its field, which vanishes, for a field next to it or
    // a jump away.
    void MoveBall(BoardCell to);
    // Records the board as it stands and names it in a Frame step; a move
    // that records moments starts with ForgetMoments.
    void RecordMoment(Steps& steps);
    void ForgetMoments() { moments_.clear(); }

private:
    struct Moment {
        std::vector<bool> there;
        BoardCell ball;
    };
    bool ThereIn(const std::vector<bool>& there, BoardCell cell) const;

    std::vector<bool> there_;
    BoardCell ball_;
    std::vector<Moment> moments_;
};

}  // namespace tarnwick
