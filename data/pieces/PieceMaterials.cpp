// SPDX-License-Identifier: GPL-3.0-or-later
#include "PieceMaterials.h"

namespace art {

const TileStyle &lightBoardWood()
{
    static const TileStyle style{kit::rgb(234, 212, 166), kit::rgb(206, 174, 120), Grain::Wood, 61, 1.0};
    return style;
}

const TileStyle &darkBoardWood()
{
    static const TileStyle style{kit::rgb(62, 40, 30), kit::rgb(32, 20, 15), Grain::Wood, 67, 1.0};
    return style;
}

}  // namespace art
