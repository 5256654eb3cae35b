// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The duel's board: a chequer of two field tiles, and on each field its
// gems two to a row, turquoise for the player, red for the chancellor.
#include "riddles/duel/DuelRules.h"
#include "riddles/frame/RoomView.h"

namespace tarnwick {

class DuelView : public RoomView {
public:
    // Regions of the riddle picture.
    static constexpr Pixel TileSame = riddle_art::RoseMarble, TileOther = riddle_art::Slate;
    static constexpr Pixel PlayerGem = riddle_art::TurquoiseGem, ComputerGem = riddle_art::RedGem;

    explicit DuelView(const DuelRules& rules) : RoomView(rules), rules_(rules) {}

    void ComposeBoard(RiddleCanvas& canvas) override;
    void DrawCell(RiddleCanvas& canvas, BoardCell cell) override;
    // Also clears a field's height below the board, where the fifth and
    // further gems of a field in the bottom row stand.
    void DrawBoard(RiddleCanvas& canvas) override;
    // "three of the computer's gems", "one of your gems".
    QString FieldName(BoardCell cell, int language) const override;

    // Where gem n (0, 1, ...) of a field stands: two to a row, 13 pixels
    // between rows. A fifth gem stands below the field's square.
    static Pixel GemSpot(Pixel fieldCorner, int n) {
        return {fieldCorner.x + 3 + 14 * (n % 2), fieldCorner.y + 5 + 13 * (n / 2)};
    }

private:
    const DuelRules& rules_;
};

}  // namespace tarnwick
