// SPDX-License-Identifier: GPL-3.0-or-later
#include "RiddlePicture.h"

#include "Balls.h"
#include "Gems.h"
#include "RoomWalls.h"
#include "Tiles.h"
#include "data/kit/Rgb.h"

namespace art {

namespace {

using namespace riddle_art;

// Every board square of the rooms, by its place in the picture.
struct PlacedTile {
    Pixel at;
    TileStyle style;
};

const PlacedTile BoardSquares[] = {
    // ivory marble: the white square, and the light field under black letters;
    // pale enough that the white square is found among sandstone by any eye
    {IvoryMarble, {kit::rgb(247, 241, 226), kit::rgb(176, 160, 140), Grain::Marble, 3, 0.8}},
    // ebony: the dark field under white letters, the empty field of the knights
    {Ebony, {kit::rgb(46, 34, 28), kit::rgb(24, 17, 14), Grain::Wood, 5, 1.2}},
    // rose marble: the red start fields, first field of the duel
    {RoseMarble, {kit::rgb(214, 150, 140), kit::rgb(150, 70, 66), Grain::Marble, 7, 0.9}},
    // blue-grey slate: second field of the duel, dark field of the jumping balls
    {Slate, {kit::rgb(80, 90, 104), kit::rgb(130, 138, 150), Grain::Stone, 9, 1.1}},
    // sandstone and walnut: the usual chequer, and the wall of the corridors
    {Sandstone, {kit::rgb(192, 156, 104), kit::rgb(146, 112, 70), Grain::Stone, 11, 1.0}},
    {Walnut, {kit::rgb(118, 76, 44), kit::rgb(74, 44, 24), Grain::Wood, 13, 1.1}},
    {PaleSandstone, {kit::rgb(160, 128, 88), kit::rgb(116, 90, 58), Grain::Stone, 15, 1.0}},
    {DarkWalnut, {kit::rgb(132, 90, 56), kit::rgb(88, 56, 32), Grain::Wood, 17, 1.1}},
    // ochre: the yellow start fields, deep enough for a yellow ball to stand out
    // and for the rose fields to be told from them by any eye
    {Ochre, {kit::rgb(138, 88, 22), kit::rgb(90, 54, 14), Grain::Marble, 19, 1.0}},
    // spare squares, kept in the same families
    {SpareStone, {kit::rgb(150, 120, 84), kit::rgb(110, 84, 56), Grain::Stone, 21, 1.0}},
    {SpareGreenMarble, {kit::rgb(120, 140, 110), kit::rgb(70, 90, 64), Grain::Marble, 23, 1.0}},
    {SpareDarkWood, {kit::rgb(70, 54, 40), kit::rgb(40, 28, 20), Grain::Wood, 25, 1.1}},
    {SparePaleStone, {kit::rgb(206, 196, 182), kit::rgb(150, 140, 130), Grain::Stone, 27, 1.0}},
    {SpareRedMarble, {kit::rgb(130, 46, 40), kit::rgb(80, 20, 18), Grain::Marble, 29, 1.0}},
    {SpareGreenStone, {kit::rgb(64, 78, 60), kit::rgb(34, 44, 30), Grain::Stone, 31, 1.0}},
};

}  // namespace

QImage makeRiddlePicture()
{
    QImage img(RiddlePictureWidth, RiddlePictureHeight, QImage::Format_RGB32);
    img.fill(qRgb(0, 0, 0));

    paintRoomBackground(img, LightRoomTop, RoomStyle::Light);
    paintRoomBackground(img, DarkRoomTop, RoomStyle::Dark);

    for (const PlacedTile &t : BoardSquares)
        paintTile(img, t.at.x, t.at.y, Square, t.style);
    // The Corridor square is the black corridor of the sliding room; balls are copied
    // onto it without a mask, so no square is painted there and it stays as
    // black as the sprites' ground.

    for (int k = 0; k < BallKinds; ++k)
        paintBall(img, Ball(k).x, Ball(k).y, k);
    paintBallMask(img, BallMask.x, BallMask.y);

    paintGem(img, RedGem.x, RedGem.y, GemKind::Ruby);
    paintGem(img, TurquoiseGem.x, TurquoiseGem.y, GemKind::Turquoise);
    paintGemMask(img, GemMask.x, GemMask.y);
    return img;
}

}  // namespace art
