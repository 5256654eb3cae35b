// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The labyrinth picture b5.bmp: corridor tiles, the wall ring with its doors,
// exit, arrows and corners, the open doors, the player sprites and the floor
// patch that erases him.
#include <QColor>
#include <QImage>

namespace art {

// The flat floor colour under the player's path; also the sprites' background.
QColor corridorFloor();

QImage labyrinthPicture();

}  // namespace art
