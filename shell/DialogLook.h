// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The look the game's small dialogs share.
#include <QLabel>
#include <QPushButton>

namespace tarnwick {

// The small dialogs of the game wear parchment and dark wood.
void SetParchmentLook(QWidget* window);
// The main window's icon, 32 x 32 in the middle of a 37 x 37 picture at
// (left, top), drawn at each paint for the scale the game has then.
QWidget* MakeIconPicture(QWidget* parent, int left, int top);
// A little air between a button's glyph and its caption.
void SpaceGlyphFromCaption(QPushButton* button);

}  // namespace tarnwick
