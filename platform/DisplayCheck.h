// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the game can find no display to show itself on (no Wayland
// compositor and no X server within reach), Qt's own account of its
// platform plug-ins is held back and the game says so in one line of its
// own on standard error, followed by the first few things Qt said about
// the display it tried (indented, for whoever looks into it), then ends
// with exit code 1.
#include <string>

namespace tarnwick {

// Holds back Qt's messages about its platform plug-ins until the
// application object stands; a start that fails writes `line` instead.
// Call before the application object is made.
void SayWhenNoDisplay(std::string line);
// The application object stands: Qt's messages go their usual way again.
void DisplayFound();

}  // namespace tarnwick
