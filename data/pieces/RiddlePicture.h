// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The riddle picture: both room walls, the board squares, the balls, the gems
// and their masks, in the places the riddle rooms copy them from.
#include <QImage>

#include "riddles/frame/RiddlePictureLayout.h"

namespace art {

constexpr int RiddlePictureWidth = riddle_art::Width;
constexpr int RiddlePictureHeight = riddle_art::Height;

QImage makeRiddlePicture();

}  // namespace art
