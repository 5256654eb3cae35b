// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The room of separation: a square chess board with a few fixed balls, to
// be divided along its grid lines into four parts of the same size and
// shape, each holding one ball of every colour the level shows. A click
// toggles the cut line nearest to it.
#include <vector>

#include "riddles/frame/RoomRules.h"

namespace tarnwick {

class SeparationRules : public CopyableRoom<SeparationRules, RoomRules>, public ClickRules {
public:
    // The two ball colours, as sprite columns of the riddle picture.
    static constexpr int Pearl = 0;
    static constexpr int Purple = 3;

    struct Ball {
        BoardCell cell;
        int sprite = Pearl;
    };
    // A grid line between two fields: the right or the bottom edge of a
    // field.
    struct Edge {
        BoardCell cell;
        bool right = true;
        friend bool operator==(const Edge&, const Edge&) = default;
    };

    BiText RoomName() const override;
    BiText EntryMessage() const override;
    std::vector<BiText> RulesMessages() const override;
    Verdict Judge() const override { return SolvedIf(IsSolved()); }
    // Four connected parts of equal size and congruent shape (turned or
    // mirrored), each with one ball of every colour on the board, and no
    // cut line inside a part.
    bool IsSolved() const;

    Steps Click(const BoardPoint& point) override;
    // A click cuts the line nearest to it: the lines between the fields
    // are what is clicked.
    int ClickPointsPerField() const override { return 2; }
    // The next line to toggle towards the room's own division nearest to
    // the lines as they stand.
    Hint NextMove() const override;

    // The grid line nearest to a point of the board: on a diagonal the
    // horizontal one.
    Edge EdgeAt(const BoardPoint& point) const;

    int Size() const { return Geometry().columns; }  // fields per side
    bool Cut(Edge edge) const;
    // Whether an edge lies on the board's own border (never cut).
    bool OnBorder(Edge edge) const;
    const std::vector<Ball>& Balls() const { return balls_; }
    // The parts the cut lines leave: per field, row by row, a part number
    // from 0 in the order the parts are first met.
    std::vector<int> Parts() const;

protected:
    void SetUpLevel(int level) override;

private:
    std::size_t Index(BoardCell cell) const;

    std::vector<char> rightCut_;   // per field, row by row
    std::vector<char> bottomCut_;
    std::vector<Ball> balls_;
};

}  // namespace tarnwick
