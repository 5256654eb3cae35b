// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where things lie in the riddle picture b2.bmp, for the picture's
// generator and the riddle rooms alike: the light and the dark room, each a
// 300 x 128 header whose lower half is the wall strip that is repeated down
// the room; the board squares, 32 x 32, in two rows; the eight balls,
// 28 x 28, over one mask; and the two gems, 12 x 10, over theirs.
#include "riddles/frame/Board.h"

namespace riddle_art {

using tarnwick::Pixel;

constexpr int Width = 300;
constexpr int Height = 348;

// The rooms: header and wall strip.
constexpr int RoomWidth = 300;
constexpr int HeaderHeight = 128;
constexpr int StripHeight = 64;
constexpr int LightRoomTop = 0;
constexpr int DarkRoomTop = HeaderHeight;
constexpr int StripInHeader = HeaderHeight - StripHeight;

// The board squares.
constexpr int Square = 32;
constexpr int UpperRow = 256, LowerRow = 288;
constexpr Pixel IvoryMarble{0, UpperRow};    // the white square; light field under black letters
constexpr Pixel Ebony{0, LowerRow};          // dark field under white letters; the empty field
constexpr Pixel RoseMarble{32, UpperRow};    // red start fields; first field of the duel
constexpr Pixel Slate{32, LowerRow};         // second field of the duel
constexpr Pixel Sandstone{64, UpperRow};     // the usual chequer, and the corridors' wall
constexpr Pixel Walnut{96, UpperRow};
constexpr Pixel PaleSandstone{96, LowerRow};
constexpr Pixel DarkWalnut{128, LowerRow};
constexpr Pixel Ochre{128, UpperRow};        // yellow start fields
constexpr Pixel Corridor{192, UpperRow};     // black: balls are copied onto it without a mask
// Spare squares, kept in the same families.
constexpr Pixel SpareStone{64, LowerRow};
constexpr Pixel SpareGreenMarble{160, UpperRow};
constexpr Pixel SpareDarkWood{160, LowerRow};
constexpr Pixel SparePaleStone{224, UpperRow};
constexpr Pixel SpareRedMarble{192, LowerRow};
constexpr Pixel SpareGreenStone{224, LowerRow};

// The balls: sprite columns 0..7 of the ball row (pearl, amber, turquoise,
// purple, red, green, blue, yellow), then the mask.
constexpr int BallSize = 28;
constexpr int BallKinds = 8;
constexpr int BallRow = 320;
constexpr Pixel BallMask{BallSize * BallKinds, BallRow};
constexpr Pixel Ball(int column) { return {BallSize * column, BallRow}; }

// The gems, one above the other at the right edge of the ball row.
constexpr int GemWidth = 12;
constexpr int GemHeight = 10;
constexpr int GemColumn = 287;
constexpr Pixel RedGem{GemColumn, 318};
constexpr Pixel TurquoiseGem{GemColumn, 328};
constexpr Pixel GemMask{GemColumn, 338};

}  // namespace riddle_art
