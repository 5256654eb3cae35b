// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which sides of each tile kind are open, a bit per direction: the rules
// walk by it, and the labyrinth picture's generator paints the corridors
// by it.
#include <cstdint>

#include "state/Labyrinth.h"

namespace tarnwick {

constexpr std::uint8_t OpenEast = 1 << East, OpenNorth = 1 << North, OpenWest = 1 << West, OpenSouth = 1 << South;

constexpr std::uint8_t TileOpenings[TileKindCount] = {
    OpenWest | OpenEast,  OpenNorth | OpenSouth, OpenNorth | OpenEast, OpenNorth | OpenWest,
    OpenSouth | OpenWest, OpenSouth | OpenEast,  OpenNorth | OpenEast | OpenSouth | OpenWest,
    OpenNorth | OpenSouth | OpenWest,            OpenNorth | OpenEast | OpenWest,
    OpenNorth | OpenEast | OpenSouth,            OpenEast | OpenSouth | OpenWest,
    OpenSouth, OpenWest, OpenEast, OpenNorth, OpenEast, 0, 0, 0, 0, 0};

}  // namespace tarnwick
