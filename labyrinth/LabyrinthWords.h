// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The labyrinth in words, for a screen reader: what lies on each tile (a
// corridor and its openings, a door, an arrow and the line it shifts, the
// figure), and where the figure stands and which ways are open to it, in
// the game's language.
#include <QString>

#include "state/Game.h"

namespace tarnwick {

QString TileName(const Game& game, int col, int row);
QString WhereTheFigureStands(const Game& game);

}  // namespace tarnwick
