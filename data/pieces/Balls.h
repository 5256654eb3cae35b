// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The eight torch-lit glass balls of the riddle rooms and their shared mask;
// the green one wears a pale band (BallBand.h).
#include "data/kit/Rgb.h"

#include <QImage>

#include "riddles/frame/RiddlePictureLayout.h"

namespace art {

constexpr int BallSize = riddle_art::BallSize;
constexpr int BallKinds = riddle_art::BallKinds;

// True where the ball covers pixel (x, y) of its 28 x 28 square.
bool insideBall(int x, int y);

// Body colour of each sprite column: pearl, amber, turquoise, purple,
// then red, green, blue and yellow.
kit::Rgb ballColour(int kind);

// The ball of one kind, on black, with its top-left corner at (left, top).
void paintBall(QImage &img, int left, int top, int kind);

// White around the ball, black where the ball is.
void paintBallMask(QImage &img, int left, int top);

}  // namespace art
