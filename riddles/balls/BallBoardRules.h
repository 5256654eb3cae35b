// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rooms in which balls are lifted and dropped (rooms 1, 2, 4, 9, 10,
// 11): a board of one integer per field, 0 an empty field and any other
// value a ball kind of the room's own. A drop is accepted on an empty
// field of the board (the lifted ball's own field counts as empty) that the
// room's move rule allows; a refused ball goes back where it came from.
#include <vector>

#include "riddles/frame/RoomRules.h"

namespace tarnwick {

class BallBoardRules : public RoomRules, public DragRules {
public:
    // The field's value; 0 for a field off the board.
    int Cell(BoardCell cell) const;
    int Balls() const;  // non-empty fields
    std::vector<BoardCell> BallCells() const;  // the fields with a ball, row by row

    int Lift(BoardCell cell) override;
    Steps Drop(std::optional<BoardCell> target) override;
    int DragKind() const override { return dragKind_; }
    BoardCell DragFrom() const override { return dragFrom_; }
    bool MoveUnderway() const override { return dragKind_ != 0; }
    // Whether the ball on `from` may be dropped on `to` as the position
    // stands: asked as a drop is, with the ball lifted for the question and
    // put back after it. False while a ball is in hand.
    bool Allows(BoardCell from, BoardCell to);
    // Fields whose balls vanish with an accepted move (a jumped ball).
    virtual std::vector<BoardCell> Jumped(BoardCell from, BoardCell to) const;
    // Whether a drop from one field onto the other has the shape of the
    // room's moves (a diagonal, a knight's jump) whatever else stands on the
    // board; the room accepts no drop out of reach, and the searches try
    // only those in reach. Any drop by default.
    virtual bool InReach(BoardCell from, BoardCell to) const;

    Verdict Judge() const override { return SolvedIf(IsSolved()); }
    virtual bool IsSolved() const = 0;

    // A whole board at once, for tests and solvers: the values row by row.
    std::vector<int> Values() const { return board_; }
    void SetValues(const std::vector<int>& values);

protected:
    // Places the board and empties it, with no ball in hand; for SetUpLevel.
    void SetBoard(const BoardGeometry& geometry);
    void SetCell(BoardCell cell, int value);
    // Fills the board from rows of text, top row first: '.' an empty field,
    // any other character a ball of the kind `kinds` gives it.
    template <typename KindOf>
    void SetRows(const std::vector<const char*>& rows, KindOf kinds) {
        for (int r = 0; r < static_cast<int>(rows.size()); ++r)
            for (int c = 0; rows[r][c] != '\0'; ++c)
                if (rows[r][c] != '.') SetCell({c, r}, kinds(rows[r][c]));
    }

    // The room's move rule for a ball of `kind` lifted from `from` and
    // released over the empty field `to` in reach. The ball is not on the
    // board while this is asked. Any move by default.
    virtual bool AcceptsDrop(BoardCell from, BoardCell to, int kind) const;
    // Whether the verdict is taken after a refused drop too.
    virtual bool JudgesRefusedDrop() const { return false; }

private:
    // The whole judgement of a drop of a ball of `kind`, lifted from `from`.
    bool Accepts(BoardCell from, std::optional<BoardCell> target, int kind) const;

    std::vector<int> board_;
    int dragKind_ = 0;
    BoardCell dragFrom_;
};

}  // namespace tarnwick
