#pragma once
// The pieces picture: every chess-board piece in each of its four turns,
// 80 x 80 per piece and turn, squares of 20 x 20.
#include <QImage>

namespace art {

constexpr int PieceCell = 20;
constexpr int PieceBlock = 80;

QImage makePiecesPicture();

}  // namespace art
