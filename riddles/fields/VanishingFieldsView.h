// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The boards whose fields vanish under a walking ball (the knight's room,
// the room of wandering). Nothing of the board goes into the room
// background: each field is drawn straight onto the window, so a vanished
// field shows the bare room behind it.
#include <functional>

#include "riddles/frame/RoomView.h"
#include "riddles/fields/VanishingFieldsRules.h"

namespace tarnwick {

class VanishingFieldsView : public RoomView {
public:
    using SquareOf = std::function<Pixel(BoardCell)>;
    static constexpr int BallColumn = 2;

    VanishingFieldsView(const VanishingFieldsRules& rules, SquareOf square)
        : RoomView(rules), rules_(rules), square_(std::move(square)) {}

    // A chequer of two squares of the riddle picture.
    static SquareOf Chequered(Pixel sameParity, Pixel otherParity) {
        return [=](BoardCell cell) { return Chequer(cell, sameParity, otherParity); };
    }

    void ComposeBoard(RiddleCanvas&) override {}
    void DrawCell(RiddleCanvas& canvas, BoardCell cell) override {
        const Pixel corner = rules_.Geometry().Corner(cell);
        constexpr int size = BoardGeometry::CellSize;
        if (!rules_.FieldThereAt(Moment(), cell)) {
            canvas.RoomToWindow(corner.x, corner.y, size, size);
            return;
        }
        canvas.ArtToWindow(corner, square_(cell), size, size);
        if (cell == rules_.BallAt(Moment())) {
            const Pixel centre = rules_.Geometry().Centre(cell);
            canvas.DrawBall(centre.x, centre.y, BallColumn);
        }
    }

    QString FieldName(BoardCell cell, int language) const override {
        if (!rules_.FieldThere(cell)) return field_names::Say(field_names::Vanished, language);
        const QString field = field_names::Say(FieldKind(cell), language);
        if (cell != rules_.Ball()) return field;
        return field_names::Ball(BallColumn, language) + QStringLiteral(", ") + field;
    }

protected:
    // The word for a field that is still there.
    virtual BiText FieldKind(BoardCell) const { return field_names::Field; }

private:
    const VanishingFieldsRules& rules_;
    SquareOf square_;
};

}  // namespace tarnwick
