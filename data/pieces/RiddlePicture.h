#pragma once
// The riddle picture: both room walls, the board squares, the balls, the gems
// and their masks, in the places the riddle rooms copy them from.
#include <QImage>

namespace art {

constexpr int RiddlePictureWidth = 300;
constexpr int RiddlePictureHeight = 348;

QImage makeRiddlePicture();

}  // namespace art
