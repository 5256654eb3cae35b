// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The boards of the drag rooms: squares in the room background, a ball
// drawn over its mask at the centre of every field that holds one.
#include <functional>

#include "riddles/balls/BallBoardRules.h"
#include "riddles/frame/RoomView.h"

namespace tarnwick {

class BallBoardView : public RoomView {
public:
    using SquareOf = std::function<Pixel(const BallBoardRules&, BoardCell)>;
    using SpriteOf = std::function<int(int kind)>;

    BallBoardView(const BallBoardRules& rules, SquareOf square, SpriteOf sprite)
        : RoomView(rules), rules_(rules), square_(std::move(square)), sprite_(std::move(sprite)) {}

    // A chequer of two squares of the riddle picture.
    static SquareOf Chequered(Pixel sameParity, Pixel otherParity) {
        return [=](const BallBoardRules&, BoardCell cell) { return Chequer(cell, sameParity, otherParity); };
    }
    // Every ball kind shown by sprite column kind + offset.
    static SpriteOf Shifted(int offset) {
        return [=](int kind) { return kind + offset; };
    }

    void ComposeBoard(RiddleCanvas& canvas) override {
        ComposeSquares(canvas, [this](BoardCell cell) { return square_(rules_, cell); });
    }
    void DrawCell(RiddleCanvas& canvas, BoardCell cell) override {
        const Pixel centre = rules_.Geometry().Centre(cell);
        const int kind = rules_.Cell(cell);
        if (kind == 0) {
            canvas.EraseBall(centre.x, centre.y);
        } else {
            canvas.DrawBall(centre.x, centre.y, SpriteColumn(kind));
        }
    }
    int SpriteColumn(int kind) const override { return sprite_(kind); }
    QString FieldName(BoardCell cell, int language) const override {
        const int kind = rules_.Cell(cell);
        if (kind == 0) return field_names::Say(field_names::EmptyField, language);
        return field_names::Ball(SpriteColumn(kind), language);
    }

private:
    const BallBoardRules& rules_;
    SquareOf square_;
    SpriteOf sprite_;
};

}  // namespace tarnwick
