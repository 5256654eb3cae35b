// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two riddle room walls, 300 x 128 each: a header with the name plaque
// and two wall torches over a 64-pixel strip of stone that the game repeats
// down the room.
#include <QImage>

#include "riddles/frame/RiddlePictureLayout.h"

namespace art {

constexpr int RoomWidth = riddle_art::RoomWidth;
constexpr int RoomHeaderHeight = riddle_art::HeaderHeight;
constexpr int WallStripHeight = riddle_art::StripHeight;

enum class RoomStyle { Light, Dark };

void paintRoomBackground(QImage &img, int top, RoomStyle style);

}  // namespace art
