// SPDX-License-Identifier: GPL-3.0-or-later
#include "riddles/duel/DuelView.h"

namespace tarnwick {

void DuelView::ComposeBoard(RiddleCanvas& canvas) {
    ComposeSquares(canvas, [](BoardCell cell) { return Chequer(cell, TileSame, TileOther); });
}

void DuelView::DrawBoard(RiddleCanvas& canvas) {
    const BoardGeometry& g = rules_.Geometry();
    const Pixel below = g.Corner({0, g.rows});
    canvas.RoomToWindow(below.x, below.y, g.columns * BoardGeometry::CellSize, BoardGeometry::CellSize);
    RoomView::DrawBoard(canvas);
}

void DuelView::DrawCell(RiddleCanvas& canvas, BoardCell cell) {
    const Pixel corner = rules_.Geometry().Corner(cell);
    canvas.RoomToWindow(corner.x, corner.y, BoardGeometry::CellSize, BoardGeometry::CellSize);
    const DuelCell& field = rules_.Moment(Moment()).At(cell);
    if (field.owner == ownNone) return;
    const Pixel gem = field.owner == ownPlayer ? PlayerGem : ComputerGem;
    for (int n = 0; n < field.count; ++n)
        canvas.DrawGem(GemSpot(corner, n), gem);
}

QString DuelView::FieldName(BoardCell cell, int language) const {
    const DuelCell& field = rules_.Board().At(cell);
    if (field.owner == ownNone || field.count == 0) return field_names::Say(field_names::EmptyField, language);
    const int n = field.count;
    if (field.owner == ownPlayer) {
        if (language == 1) return field_names::Number(n, language, true) + QStringLiteral(" Deiner Kristalle");
        return field_names::Number(n, language) + QStringLiteral(" of your gems");
    }
    if (language == 1)
        return field_names::Number(n, language) + (n == 1 ? QStringLiteral(" Kristall") : QStringLiteral(" Kristalle")) +
               QStringLiteral(" des Computers");
    return field_names::Number(n, language) + QStringLiteral(" of the computer's gems");
}

}  // namespace tarnwick
