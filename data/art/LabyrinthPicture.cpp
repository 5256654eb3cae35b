// SPDX-License-Identifier: GPL-3.0-or-later
#include "LabyrinthPicture.h"

#include "labyrinth/LabyrinthLayout.h"
#include "LabyrinthTiles.h"
#include "PlayerSprites.h"
#include "data/kit/Masonry.h"

#include <QPainter>

namespace art {

using namespace labyrinth_art;

QColor corridorFloor() { return {184, 146, 98}; }

QImage labyrinthPicture() {
    QImage pic(Width, Height, QImage::Format_RGB32);
    kit::paintMasonry(pic, pic.rect(), outerWallMasonry());

    QPainter p(&pic);
    for (int kind = 0; kind <= 20; ++kind)
        p.drawImage(tileX(kind), tileY(kind), labyrinthTile(kind, false));
    for (int kind = 11; kind <= 14; ++kind)
        p.drawImage(tileX(kind), tileY(kind, true), labyrinthTile(kind, true));

    for (int facing = 0; facing < 4; ++facing)
        for (int frame = 0; frame < 3; ++frame)
            p.drawImage(spriteX(frame, facing), SpriteTop, playerSprite(facing, frame, corridorFloor()));
    p.fillRect(FloorPatchLeft, SpriteTop, SpriteW, SpriteH, corridorFloor());
    return pic;
}

}  // namespace art
