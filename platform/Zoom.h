// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's zoom: every picture pixel becomes k x k screen pixels, k a
// whole number, on top of the scale the desktop and the user's
// QT_SCALE_FACTOR give. The zoom multiplies the scale factor of every
// screen, so text and glyphs are drawn at the zoomed resolution exactly as
// they are when the game is started with QT_SCALE_FACTOR = k; a change
// takes effect at once, in every window.
#include <QSize>

class QWidget;

namespace tarnwick {

int GameZoom();
// Sets the zoom (at least 1) and has every window drawn anew at its scale.
void SetGameZoom(int zoom);

// The largest zoom, at least 1, at which `size` (in pixels at zoom 1) fits
// on the window's screen: into its available area together with the
// window's frame, or, for full screen, into the whole screen.
int LargestZoom(const QWidget* window, QSize size, bool fullScreen);

}  // namespace tarnwick
