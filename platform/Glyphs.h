// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The compiled-in button glyphs as icons that stay sharp on every screen:
// each glyph with its twice-as-dense twin, and the game's emblem at every
// size it is painted at.
#include <QIcon>
#include <QSize>
#include <QString>

namespace tarnwick {

// The glyph :/glyphs/NAME.png together with :/glyphs/NAME@2x.png when there
// is one; Qt picks the twin on screens of twice the density.
QIcon GlyphIcon(const QString& path);
// The size of the glyph at its plain density.
QSize GlyphSize(const QString& path);
// The game's emblem in all its sizes, for the windows' icons.
QIcon GameIcon();

}  // namespace tarnwick
