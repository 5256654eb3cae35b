// SPDX-License-Identifier: GPL-3.0-or-later
#include "riddles/sayings/LetterView.h"

#include <QFontMetrics>

#include "platform/SceneWindow.h"

namespace tarnwick {

namespace {
constexpr Pixel LightSquare = riddle_art::IvoryMarble;
constexpr Pixel DarkSquare = riddle_art::Ebony;
}  // namespace

void LetterView::AddControls(QWidget* window) {
    spell_ = MakeSceneLabel(window, 20, 296, 261, 53, "Times New Roman", SpellPixels, QColor(Qt::yellow),
                            Qt::AlignCenter);
    spell_->setObjectName("spell");
}

void LetterView::ComposeBoard(RiddleCanvas& canvas) {
    ComposeSquares(canvas, [](BoardCell cell) { return Chequer(cell, LightSquare, DarkSquare); });
}

void LetterView::DrawCell(RiddleCanvas& canvas, BoardCell cell) {
    const Pixel corner = rules_.Geometry().Corner(cell);
    canvas.RoomToWindow(corner.x, corner.y, BoardGeometry::CellSize, BoardGeometry::CellSize);
    const char32_t letter = rules_.Letter(cell);
    if (letter == 0) return;
    const QString text = QString::fromUcs4(&letter, 1);
    const TextExtent extent = MeasureText(LetterFont, text);
    const bool light = Chequer(cell, LightSquare, DarkSquare) == LightSquare;
    canvas.TextOnWindow(corner.x + 16 - extent.width / 2, corner.y + 14 - extent.height / 2, text, LetterFont,
                        light ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
}

QString LetterView::FieldName(BoardCell cell, int language) const {
    const char32_t letter = rules_.Letter(cell);
    if (letter == 0) return field_names::Say(field_names::EmptyField, language);
    return field_names::Say({"Buchstabe ", "letter "}, language) + QString::fromUcs4(&letter, 1);
}

void LetterView::DrawExtras(RiddleCanvas&) {
    if (!spell_) return;
    const QString text = QString::fromStdU32String(rules_.Spell());
    // The whole typed line stays readable: it wraps by words, and should it
    // still not fit the label, the font steps down until it does.
    QFont font = spell_->font();
    for (int px = SpellPixels; px >= SpellPixels / 2; --px) {
        font.setPixelSize(px);
        const QRect needed = QFontMetrics(font).boundingRect(spell_->contentsRect(), Qt::TextWordWrap, text);
        if (needed.height() <= spell_->contentsRect().height()) break;
    }
    spell_->setFont(font);
    spell_->setText(text);
}

}  // namespace tarnwick
