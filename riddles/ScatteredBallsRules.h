#pragma once
// Rooms whose balls lie scattered at random over a square board and may be
// dropped on any empty field; the player must spread them so that no line
// of the board (column, row or either diagonal) holds too many.
#include "platform/Random.h"
#include "riddles/BallBoardRules.h"

namespace tarnwick {

class ScatteredBallsRules : public BallBoardRules {
public:
    explicit ScatteredBallsRules(Random& random) : random_(random) {}

    // The most balls on any one column, row, down-right or down-left
    // diagonal of the board.
    int MostBallsOnALine() const;

protected:
    // An n x n board centred in the room, with `balls` balls of `kind` on
    // distinct fields: a column, then a row drawn at random, drawn again
    // while that field is taken.
    void Scatter(int n, int balls, int kind);

private:
    BoardCell FirstEmptyField() const;

    Random& random_;
};

}  // namespace tarnwick
