// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One 54 x 54 tile of the labyrinth seen from above: stone walls, a flat
// warm floor where the corridors run, and the furniture of the wall ring.
#include "data/kit/Masonry.h"

#include <QImage>

namespace art {

kit::Masonry innerWallMasonry();
kit::Masonry outerWallMasonry();

// kind 0..20; `open` draws doors 11..14 standing open.
QImage labyrinthTile(int kind, bool open);

}  // namespace art
