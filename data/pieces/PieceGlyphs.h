#pragma once
// The 19 x 19 button pictures: each room's piece, and the whole chess board
// for the throne room.
#include <QImage>

namespace art {

constexpr int GlyphSize = 19;

QImage makePieceGlyph(int piece);  // piece 1..12 in its first turn
QImage makeBoardGlyph();

}  // namespace art
