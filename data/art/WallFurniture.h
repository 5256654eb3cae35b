// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The things set into the labyrinth's outer wall, each drawn on a transparent
// 54 x 54 layer in one orientation (doors and stairs with their threshold
// facing down, arrows pointing down); the tile code turns them into place.
#include <QImage>

namespace art {

QImage doorLayer(bool open);   // door in the top wall, threshold at y 15
QImage exitStairsLayer();      // stairs climbing up out of the top wall
QImage arrowLayer();           // gilded arrow on a bronze plaque, pointing down
QImage cornerBrazierLayer();   // round corner tower with a burning brazier

// Quarter turns clockwise (0..3), pixel exact.
QImage quarterTurns(const QImage &img, int turns);

}  // namespace art
