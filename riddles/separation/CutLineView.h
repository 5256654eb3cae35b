// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The board of the room of separation: chequered squares and the fixed
// balls in the room background; on the window every grid line as a pair
// of 1-pixel lines, black while uncut, white once cut.
#include <QStringList>
#include <utility>

#include "riddles/frame/RoomView.h"
#include "riddles/separation/SeparationRules.h"

namespace tarnwick {

class CutLineView : public RoomView {
public:
    explicit CutLineView(const SeparationRules& rules) : RoomView(rules), rules_(rules) {}

    void ComposeBoard(RiddleCanvas& canvas) override {
        ComposeSquares(canvas, [](BoardCell cell) { return Chequer(cell, riddle_art::Sandstone, riddle_art::DarkWalnut); });
        const int ball = RiddleCanvas::BallSize;
        for (const SeparationRules::Ball& b : rules_.Balls()) {
            const Pixel corner = rules_.Geometry().Corner(b.cell);
            canvas.SpriteToRoom({corner.x + 2, corner.y + 2}, riddle_art::Ball(b.sprite), riddle_art::BallMask, ball,
                                ball);
        }
    }

    // A field's right and bottom edges (the board's own border too).
    void DrawCell(RiddleCanvas& canvas, BoardCell cell) override {
        const Pixel corner = rules_.Geometry().Corner(cell);
        const QRgb right = rules_.Cut({cell, true}) ? White : Black;
        const QRgb bottom = rules_.Cut({cell, false}) ? White : Black;
        for (int x : {corner.x + 31, corner.x + 32}) canvas.LineOnWindow(x, corner.y + 1, x, corner.y + 31, right);
        for (int y : {corner.y + 31, corner.y + 32}) canvas.LineOnWindow(corner.x + 1, y, corner.x + 31, y, bottom);
    }

    // The hint's line, the one beside the point, in the hint's colour.
    void DrawHintMark(RiddleCanvas& canvas, const BoardPoint& point) override {
        const SeparationRules::Edge edge = rules_.EdgeAt(point);
        const Pixel corner = rules_.Geometry().Corner(edge.cell);
        if (edge.right)
            canvas.FillOnWindow(corner.x + 30, corner.y, 4, 32, HintColour);
        else
            canvas.FillOnWindow(corner.x, corner.y + 30, 32, 4, HintColour);
    }

    // The ball on the field, or none, and which of its sides are cut.
    QString FieldName(BoardCell cell, int language) const override {
        QString name = field_names::Say(field_names::EmptyField, language);
        for (const SeparationRules::Ball& b : rules_.Balls())
            if (b.cell == cell) name = field_names::Ball(b.sprite, language);
        const std::pair<SeparationRules::Edge, BiText> sides[] = {
            {{{cell.col, cell.row - 1}, false}, {"oben", "top"}},
            {{cell, true}, {"rechts", "right"}},
            {{cell, false}, {"unten", "bottom"}},
            {{{cell.col - 1, cell.row}, true}, {"links", "left"}},
        };
        QStringList cut;
        for (const auto& [edge, side] : sides)
            if (rules_.Geometry().OnBoard(edge.cell) && !rules_.OnBorder(edge) && rules_.Cut(edge))
                cut << field_names::Say(side, language);
        if (cut.isEmpty()) return name;
        return name + field_names::Say({", geschnitten: ", ", cut: "}, language) + cut.join(QStringLiteral(", "));
    }

private:
    static constexpr QRgb White = 0xffffffff;
    static constexpr QRgb Black = 0xff000000;

    const SeparationRules& rules_;
};

}  // namespace tarnwick
