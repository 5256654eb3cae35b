// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pictures the game cannot do without, loaded while its windows are
// made. A picture that cannot be taken ends the program after an error box
// that names the file and what is wrong with it.
#include <QString>

#include "platform/Picture.h"
#include "state/Game.h"

namespace tarnwick {

// Loads the game's ProgramDir + file, which must cover at least minWidth x
// minHeight. On a fault shows the error box (in the game's language),
// writes the same to standard error and returns false.
bool LoadStartPicture(const Game& game, Picture& picture, const char* file, int minWidth, int minHeight,
                      Decoding when = Decoding::Now);

// The error box's text: the game's own line, then the file and its fault.
QString StartPictureError(const Game& game, const QString& path, PictureFault fault, int minWidth,
                          int minHeight);

}  // namespace tarnwick
