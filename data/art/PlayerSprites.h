// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The player figure: a small courtier in a blue tunic, 15 x 16 pixels, three
// walk frames for each of the four facings, drawn opaque on corridor floor.
#include <QColor>
#include <QImage>

namespace art {

// facing 0 east, 1 north, 2 west, 3 south; frame 0..2 (1 = standing).
QImage playerSprite(int facing, int frame, const QColor &floor);

}  // namespace art
