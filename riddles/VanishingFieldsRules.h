#pragma once
// The rooms in which one ball walks over a board whose fields vanish behind
// it (the knight's room, the room of wandering): which fields are still
// there and where the ball stands. The ball's own field is always there.
#include <vector>

#include "riddles/RoomRules.h"

namespace tarnwick {

class VanishingFieldsRules : public RoomRules, public ClickRules {
public:
    // Whether the field is still there; false off the board.
    bool FieldThere(BoardCell cell) const;
    int FieldsLeft() const;
    BoardCell Ball() const { return ball_; }

protected:
    // Places the board with every field there and the ball on `ball`; for
    // SetUpLevel.
    void LayFields(const BoardGeometry& geometry, BoardCell ball);
    // The ball leaves its field, which vanishes, for a field next to it or
    // a jump away.
    void MoveBall(BoardCell to);

private:
    std::vector<bool> there_;
    BoardCell ball_;
};

}  // namespace tarnwick
