// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pieces picture: every chess-board piece in each of its four turns.
#include <QImage>

#include "throne/PiecesLayout.h"

namespace art {

constexpr int PieceCell = pieces_art::Square;

QImage makePiecesPicture();

}  // namespace art
