#include "RiddlePicture.h"

#include "Balls.h"
#include "Gems.h"
#include "RoomWalls.h"
#include "Tiles.h"
#include "data/kit/Rgb.h"

namespace art {

namespace {

constexpr int Square = 32;
constexpr int UpperRow = 256, LowerRow = 288;
constexpr int BallRow = 320;
constexpr int GemColumn = 287;

// Every board square of the rooms, by its place in the picture.
struct PlacedTile {
    int left, top;
    TileStyle style;
};

const PlacedTile BoardSquares[] = {
    // ivory marble: the white square, and the light field under black letters
    {0, UpperRow, {kit::rgb(236, 226, 204), kit::rgb(176, 160, 140), Grain::Marble, 3, 0.8}},
    // ebony: the dark field under white letters, the empty field of the knights
    {0, LowerRow, {kit::rgb(46, 34, 28), kit::rgb(24, 17, 14), Grain::Wood, 5, 1.2}},
    // rose marble: the red start fields, first field of the duel
    {32, UpperRow, {kit::rgb(214, 150, 140), kit::rgb(150, 70, 66), Grain::Marble, 7, 0.9}},
    // blue-grey slate: second field of the duel, dark field of the jumping balls
    {32, LowerRow, {kit::rgb(80, 90, 104), kit::rgb(130, 138, 150), Grain::Stone, 9, 1.1}},
    // sandstone and walnut: the usual chequer, and the wall of the corridors
    {64, UpperRow, {kit::rgb(192, 156, 104), kit::rgb(146, 112, 70), Grain::Stone, 11, 1.0}},
    {96, UpperRow, {kit::rgb(118, 76, 44), kit::rgb(74, 44, 24), Grain::Wood, 13, 1.1}},
    {96, LowerRow, {kit::rgb(160, 128, 88), kit::rgb(116, 90, 58), Grain::Stone, 15, 1.0}},
    {128, LowerRow, {kit::rgb(132, 90, 56), kit::rgb(88, 56, 32), Grain::Wood, 17, 1.1}},
    // ochre: the yellow start fields, deep enough for a yellow ball to stand out
    {128, UpperRow, {kit::rgb(146, 96, 30), kit::rgb(94, 58, 16), Grain::Marble, 19, 1.0}},
    // spare squares, kept in the same families
    {64, LowerRow, {kit::rgb(150, 120, 84), kit::rgb(110, 84, 56), Grain::Stone, 21, 1.0}},
    {160, UpperRow, {kit::rgb(120, 140, 110), kit::rgb(70, 90, 64), Grain::Marble, 23, 1.0}},
    {160, LowerRow, {kit::rgb(70, 54, 40), kit::rgb(40, 28, 20), Grain::Wood, 25, 1.1}},
    {224, UpperRow, {kit::rgb(206, 196, 182), kit::rgb(150, 140, 130), Grain::Stone, 27, 1.0}},
    {192, LowerRow, {kit::rgb(130, 46, 40), kit::rgb(80, 20, 18), Grain::Marble, 29, 1.0}},
    {224, LowerRow, {kit::rgb(64, 78, 60), kit::rgb(34, 44, 30), Grain::Stone, 31, 1.0}},
};

// Gems stand one above the other at the right edge of the ball row.
constexpr int RubyTop = 318, TurquoiseTop = 328, GemMaskTop = 338;

}  // namespace

QImage makeRiddlePicture()
{
    QImage img(RiddlePictureWidth, RiddlePictureHeight, QImage::Format_RGB32);
    img.fill(qRgb(0, 0, 0));

    paintRoomBackground(img, 0, RoomStyle::Light);
    paintRoomBackground(img, RoomHeaderHeight, RoomStyle::Dark);

    for (const PlacedTile &t : BoardSquares)
        paintTile(img, t.left, t.top, Square, t.style);
    // (192, 256) is the black corridor of the sliding room; balls are copied
    // onto it without a mask, so no square is painted there and it stays as
    // black as the sprites' ground.

    for (int k = 0; k < BallKinds; ++k)
        paintBall(img, BallSize * k, BallRow, k);
    paintBallMask(img, BallSize * BallKinds, BallRow);

    paintGem(img, GemColumn, RubyTop, GemKind::Ruby);
    paintGem(img, GemColumn, TurquoiseTop, GemKind::Turquoise);
    paintGemMask(img, GemColumn, GemMaskTop);
    return img;
}

}  // namespace art
