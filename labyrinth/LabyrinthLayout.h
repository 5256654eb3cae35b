// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where things lie in the labyrinth picture b5.bmp, for the picture's
// generator and the game alike. The game copies 54 x 54 tiles, 15 x 16
// player sprites and the floor patch out of it; the player is
// drawn opaque on corridor floor and erased with the floor patch, so the floor
// under his path must be one flat colour.
#include "labyrinth/TileOpenings.h"

namespace labyrinth_art {

constexpr int Tile = 54;
constexpr int Width = 594;
constexpr int Height = 162;

constexpr int SpriteW = 15;
constexpr int SpriteH = 16;
constexpr int SpriteTop = 108;
constexpr int SpriteLeft = 218;
constexpr int FloorPatchLeft = 398;  // the slot of facing 4, frame 0

// Top-left corner of tile `kind` (0..20); open doors are kinds 11..14 with `open`.
constexpr int tileX(int kind) { return Tile * (kind % 11); }
constexpr int tileY(int kind, bool open = false) { return Tile * (kind / 11) + (open ? Tile : 0); }

// Sprite of a facing (0 east, 1 north, 2 west, 3 south) and walk frame 0..2.
constexpr int spriteX(int frame, int facing) { return SpriteLeft + SpriteW * (frame + 3 * facing); }

// The corner of the standing player's sprite inside his tile.
constexpr int Stand = 19;

// The player's standing box inside a tile, and the band he walks along.
constexpr int BandX0 = 19, BandX1 = 33;  // north-south openings: x range
constexpr int BandY0 = 19, BandY1 = 34;  // east-west openings: y range

// Openings of each kind: bit 0 east, 1 north, 2 west, 3 south.
using tarnwick::OpenEast;
using tarnwick::OpenNorth;
using tarnwick::OpenSouth;
using tarnwick::OpenWest;
inline constexpr const auto& Openings = tarnwick::TileOpenings;

}  // namespace labyrinth_art
