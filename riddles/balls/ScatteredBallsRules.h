// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Rooms whose balls lie scattered at random over a square board and may be
// dropped on any empty field; the player must spread them so that no line
// of the board (column, row or either diagonal) holds more than a few.
#include "platform/Random.h"
#include "riddles/balls/BallBoardRules.h"

namespace tarnwick {

class ScatteredBallsRules : public BallBoardRules {
public:
    static constexpr int Ball = 1;  // all balls are alike

    // `perLine`: the most balls any line may hold; the board holds that
    // many balls for each of its rows.
    ScatteredBallsRules(Random& random, int perLine) : random_(&random), perLine_(perLine) {}

    bool IsSolved() const override { return MostBallsOnALine() <= perLine_; }
    // The most balls on any one column, row, down-right or down-left
    // diagonal of the board.
    int MostBallsOnALine() const;
    int PerLine() const { return perLine_; }

    // The first drop towards the solved position nearest to the room's; a
    // room that stands solved but unjudged is judged by a ball put back.
    Hint NextMove() const override;

protected:
    // Fields per side of the board on a level.
    virtual int BoardSize(int level) const = 0;
    // A fresh deal, on every entry and every reset.
    void SetUpLevel(int level) override;

private:
    // An n x n board centred in the room, with `balls` balls on distinct
    // fields: a column, then a row drawn at random, drawn again while that
    // field is taken.
    void Scatter(int n, int balls);
    BoardCell FirstEmptyField() const;

    Random* random_;
    int perLine_;
};

}  // namespace tarnwick
