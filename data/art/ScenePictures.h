// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The scene pictures read by the game's windows, one painter each.
#include <QImage>

namespace art {

QImage splashPicture();      // b0.bmp
QImage doorRoomPicture();    // b1.bmp
QImage throneRoomPicture();  // b3.bmp
QImage cellarScene();        // b4.bmp
QImage messageBackground();  // b6.bmp
QImage courtScene();         // b7.bmp

}  // namespace art
