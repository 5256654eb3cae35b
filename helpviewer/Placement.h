// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the help viewer opens: beside the game's window when the screen has
// room there (right first, then left); else over the middle of the game's
// window, starting below its tool bar so the tool bar stays free, and no
// taller than the screen allows.
#include <QRect>
#include <QSize>

namespace tarnwick_help {

QRect PlaceBesideGame(const QRect& game, int toolBarBottom, const QRect& screen, const QSize& wanted);

// "--game x,y,width,height,toolbar" as the game passes it; false when the
// text does not hold five whole numbers.
bool ParseGamePlace(const QString& text, QRect& game, int& toolBarBottom);

}  // namespace tarnwick_help
