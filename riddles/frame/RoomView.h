// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a room draws its board: what it composes into the room background
// once per activation, how it draws one field, and what it shows beside the
// board. A view only reads its rules; it never changes them.
#include <QString>

#include "riddles/frame/FieldNames.h"
#include "riddles/frame/RiddleCanvas.h"
#include "riddles/frame/RoomRules.h"

class QWidget;

namespace tarnwick {

class RoomView {
public:
    explicit RoomView(const RoomRules& rules) : rules_(rules) {}
    virtual ~RoomView() = default;

    // The board's squares (and whatever else never moves) into the room
    // background, after the header and the wall strips.
    virtual void ComposeBoard(RiddleCanvas& canvas) = 0;
    // One field, straight onto the window.
    virtual void DrawCell(RiddleCanvas& canvas, BoardCell cell) = 0;
    // Every field, columns outer, rows inner.
    virtual void DrawBoard(RiddleCanvas& canvas);
    // What the room shows beside its board; nothing by default.
    virtual void DrawExtras(RiddleCanvas&) {}
    // Controls of the room's own on its window (made once, with the window).
    virtual void AddControls(QWidget*) {}
    // Draw the room as it stood at a recorded moment of the last move
    // (a Frame step), or as it stands now (-1, after every move); views of
    // rooms that record no moments never ask.
    void ShowFrame(int moment) { moment_ = moment; }
    // The ball sprite column of a ball kind, for the ball in hand.
    virtual int SpriteColumn(int kind) const { return kind; }
    // A field of the hint's move, marked on the window: a bright frame
    // round the field. The window draws the room afresh to take it away.
    virtual void DrawHintMark(RiddleCanvas& canvas, const BoardPoint& point) {
        const Pixel corner = rules_.Geometry().Corner(point.cell);
        constexpr int size = BoardGeometry::CellSize, width = 2;
        canvas.FillOnWindow(corner.x, corner.y, size, width, HintColour);
        canvas.FillOnWindow(corner.x, corner.y + size - width, size, width, HintColour);
        canvas.FillOnWindow(corner.x, corner.y, width, size, HintColour);
        canvas.FillOnWindow(corner.x + size - width, corner.y, width, size, HintColour);
    }
    static constexpr QRgb HintColour = 0xffffff00;  // yellow
    // What lies on a field as it stands, in words of the language, for a
    // screen reader ("red ball", "empty field").
    virtual QString FieldName(BoardCell cell, int language) const = 0;

protected:
    const RoomRules& Rules() const { return rules_; }
    // The moment of the last move to draw, or -1: the board as it stands.
    int Moment() const { return moment_; }
    // The two squares of a chequered board, by whether column and row
    // have the same parity.
    static Pixel Chequer(BoardCell cell, Pixel sameParity, Pixel otherParity) {
        return (cell.col + cell.row) % 2 == 0 ? sameParity : otherParity;
    }
    // Every field's square into the room background.
    template <typename SquareOf>
    void ComposeSquares(RiddleCanvas& canvas, SquareOf squareOf) {
        const BoardGeometry& g = rules_.Geometry();
        for (int c = 0; c < g.columns; ++c)
            for (int r = 0; r < g.rows; ++r)
                canvas.ArtToRoom(g.Corner({c, r}), squareOf(BoardCell{c, r}), BoardGeometry::CellSize,
                                 BoardGeometry::CellSize);
    }

private:
    const RoomRules& rules_;
    int moment_ = -1;
};

inline void RoomView::DrawBoard(RiddleCanvas& canvas) {
    const BoardGeometry& g = rules_.Geometry();
    for (int c = 0; c < g.columns; ++c)
        for (int r = 0; r < g.rows; ++r) DrawCell(canvas, {c, r});
}

}  // namespace tarnwick
