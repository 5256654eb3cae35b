// SPDX-License-Identifier: GPL-3.0-or-later
#include "riddles/fields/WanderingView.h"

namespace tarnwick {

namespace {

constexpr Pixel WhiteSquare = riddle_art::IvoryMarble;
constexpr Pixel EvenSquare = riddle_art::Sandstone;
constexpr Pixel OddSquare = riddle_art::DarkWalnut;

// The gems: one spot per move of the level, left to right.
constexpr int GemRowLeft = 11, GemRowTop = 325;
constexpr int GemWidth = riddle_art::GemWidth, GemHeight = riddle_art::GemHeight;

constexpr QRgb Yellow = qRgb(255, 255, 0);
constexpr QRgb Turquoise = qRgb(0, 255, 255);
constexpr int LineWidth = 2;

}  // namespace

WanderingView::WanderingView(const WanderingRules& rules)
    : VanishingFieldsView(rules,
                          [&rules](BoardCell cell) {
                              return cell == rules.WhiteField() ? WhiteSquare : Chequer(cell, EvenSquare, OddSquare);
                          }),
      rules_(rules) {}

void WanderingView::DrawExtras(RiddleCanvas& canvas) {
    DrawGems(canvas);
    DrawLine(canvas);
}

// Gem n (1..the level's moves) shows while n moves are left, so used gems
// vanish from the right; the gem of the move that must cross the line is
// turquoise.
void WanderingView::DrawGems(RiddleCanvas& canvas) {
    const auto line = rules_.LevelLine();
    for (int n = 1; n <= rules_.Moves(); ++n) {
        const Pixel spot{GemRowLeft + GemWidth * n, GemRowTop};
        if (n > rules_.MovesLeft()) {
            canvas.RoomToWindow(spot.x, spot.y, GemWidth, GemHeight);
            continue;
        }
        const bool turquoise = line && line->crossAt == n;
        canvas.DrawGem(spot, turquoise ? riddle_art::TurquoiseGem : riddle_art::RedGem);
    }
}

// The line stands on the border of its two fields, one pixel on each, and
// goes with the first of them to vanish. A line with a gem of its own is
// turquoise, any other yellow.
void WanderingView::DrawLine(RiddleCanvas& canvas) {
    const auto line = rules_.LevelLine();
    if (!line) return;
    DrawCell(canvas, line->west);
    DrawCell(canvas, line->East());
    if (!rules_.FieldThere(line->west) || !rules_.FieldThere(line->East())) return;
    const Pixel east = rules_.Geometry().Corner(line->East());
    canvas.FillOnWindow(east.x - 1, east.y, LineWidth, BoardGeometry::CellSize,
                        line->crossAt > 0 ? Turquoise : Yellow);
}

}  // namespace tarnwick
