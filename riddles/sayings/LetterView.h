// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The letter grid of the room of sayings: chequered squares in the room
// background, each letter drawn onto its square in bold Times, black on
// the light squares and white on the dark ones; below the board, the
// typed line in the room's own label, `spell`.
#include <QLabel>

#include "riddles/frame/RoomView.h"
#include "riddles/sayings/SayingsRules.h"

namespace tarnwick {

class LetterView : public RoomView {
public:
    explicit LetterView(const SayingsRules& rules) : RoomView(rules), rules_(rules) {}

    // Makes the label the typed line goes to.
    void AddControls(QWidget* window) override;

    void ComposeBoard(RiddleCanvas& canvas) override;
    void DrawCell(RiddleCanvas& canvas, BoardCell cell) override;
    void DrawExtras(RiddleCanvas& canvas) override;
    QString FieldName(BoardCell cell, int language) const override;

    // The letters' font: 18 points at the 96 dots per inch the room is
    // laid out for.
    static constexpr FontSpec LetterFont{"Times New Roman", 24, true};
    // The typed line's font size in pixels.
    static constexpr int SpellPixels = 16;

private:
    const SayingsRules& rules_;
    QLabel* spell_ = nullptr;
};

}  // namespace tarnwick
