#include "PieceMaterials.h"

namespace art {

const TileStyle &lightBoardWood()
{
    static const TileStyle style{rgb(234, 212, 166), rgb(206, 174, 120), Grain::Wood, 61, 1.0};
    return style;
}

const TileStyle &darkBoardWood()
{
    static const TileStyle style{rgb(62, 40, 30), rgb(32, 20, 15), Grain::Wood, 67, 1.0};
    return style;
}

}  // namespace art
