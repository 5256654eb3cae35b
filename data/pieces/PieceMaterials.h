// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two woods of the king's chess board, shared by the big pieces on the
// throne-room table and the little pieces on the buttons.
#include "Tiles.h"

namespace art {

const TileStyle &lightBoardWood();  // polished boxwood, nearly ivory
const TileStyle &darkBoardWood();   // ebony

}  // namespace art
