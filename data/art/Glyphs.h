// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The button pictures compiled into the game, one painter each.
#include <QImage>

namespace art {

// tool bar, 20 x 20; the maker's button 26 x 20
QImage restartGlyph();
QImage loadGlyph();
QImage storeGlyph();
QImage soundGlyph();
QImage storyGlyph();
QImage helpGlyph();
QImage exitGlyph();
QImage rulesGlyph();
QImage infoGlyph();
QImage fennickGlyph();

// riddle rooms, throne room and page windows, 19 x 19
QImage riddleHelpGlyph();
QImage riddleResetGlyph();
QImage riddleEscGlyph();
QImage pagePrevGlyph();
QImage pageNextGlyph();
QImage pageOkGlyph();
QImage mazeOkGlyph();

// language buttons, 24 x 16
QImage englishFlagGlyph();
QImage germanFlagGlyph();
QImage aboutLanguageGlyph();

QImage aboutPicture();  // 101 x 77

// The game's emblem as a square icon of the given size, drawn for that
// size; the sizes the desktop's icon theme knows.
QImage emblemIcon(int size);
inline constexpr int IconSizes[] = {TARNWICK_ICON_SIZES};

}  // namespace art
