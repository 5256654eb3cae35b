// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The corridors of the room of displacement: the wall is chequered into
// the room background; a corridor field is drawn whole onto the window,
// its black square with the ball's sprite copied straight over it.
#include "riddles/corridors/DisplacementRules.h"
#include "riddles/frame/RoomView.h"

namespace tarnwick {

class CorridorView : public RoomView {
public:
    explicit CorridorView(const DisplacementRules& rules) : RoomView(rules), rules_(rules) {}

    void ComposeBoard(RiddleCanvas& canvas) override {
        // Corridor fields get nothing here: DrawCell paints them whole.
        const BoardGeometry& g = rules_.Geometry();
        for (int c = 0; c < g.columns; ++c)
            for (int r = 0; r < g.rows; ++r)
                if (rules_.Cell({c, r}) == DisplacementRules::Wall)
                    canvas.ArtToRoom(g.Corner({c, r}), Chequer({c, r}, WallSame, WallOther), BoardGeometry::CellSize,
                                     BoardGeometry::CellSize);
    }

    void DrawCell(RiddleCanvas& canvas, BoardCell cell) override {
        const Pixel corner = rules_.Geometry().Corner(cell);
        const int ball = RiddleCanvas::BallSize;
        const int inset = (BoardGeometry::CellSize - ball) / 2;
        const int value = rules_.Cell(cell);
        if (value == DisplacementRules::Wall) {
            canvas.RoomToWindow(corner.x + inset, corner.y + inset, ball, ball);
            return;
        }
        canvas.ArtToWindow(corner, CorridorSquare, BoardGeometry::CellSize, BoardGeometry::CellSize);
        if (value != DisplacementRules::Corridor)
            canvas.ArtToWindow({corner.x + inset, corner.y + inset}, riddle_art::Ball(value), ball, ball);
    }

    QString FieldName(BoardCell cell, int language) const override {
        const int value = rules_.Cell(cell);
        if (value == DisplacementRules::Wall) return field_names::Say(field_names::Wall, language);
        if (value == DisplacementRules::Corridor) return field_names::Say(field_names::EmptyCorridor, language);
        return field_names::Ball(value, language);  // a ball's value is its sprite column
    }

private:
    static constexpr Pixel WallSame = riddle_art::Sandstone;
    static constexpr Pixel WallOther = riddle_art::PaleSandstone;
    static constexpr Pixel CorridorSquare = riddle_art::Corridor;

    const DisplacementRules& rules_;
};

}  // namespace tarnwick
