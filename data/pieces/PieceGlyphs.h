// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 19 x 19 button pictures: each room's piece, and the whole chess board
// for the throne room. Drawn at a whole-number scale (2 for screens of
// twice the density), every pixel of the design a square of scale pixels.
#include <QImage>

namespace art {

constexpr int GlyphSize = 19;

QImage makePieceGlyph(int piece, int scale = 1);  // piece 1..12 in its first turn
QImage makeBoardGlyph(int scale = 1);

}  // namespace art
