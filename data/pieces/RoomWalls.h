#pragma once
// The two riddle room walls, 300 x 128 each: a header with the name plaque
// and two wall torches over a 64-pixel strip of stone that the game repeats
// down the room.
#include <QImage>

namespace art {

constexpr int RoomWidth = 300;
constexpr int RoomHeaderHeight = 128;
constexpr int WallStripHeight = 64;

enum class RoomStyle { Light, Dark };

void paintRoomBackground(QImage &img, int top, RoomStyle style);

}  // namespace art
