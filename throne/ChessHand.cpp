// SPDX-License-Identifier: GPL-3.0-or-later
#include "throne/ChessHand.h"

#include "throne/ChessTable.h"

namespace tarnwick {

int ChessHand::Held() const { return PieceWon(*table_, HeldPiece) ? HeldPiece : 0; }

void ChessHand::ForgetLostPiece() { HeldPiece = Held(); }

bool ChessHand::PickUp(int col, int row) {
    ForgetLostPiece();
    if (HeldPiece != 0) return false;
    const std::optional<PieceHit> hit = PieceAt(*table_, col, row);
    if (!hit) return false;
    HeldPiece = hit->piece;
    GrabCol = hit->boxCol;
    GrabRow = hit->boxRow;
    return true;
}

bool ChessHand::Turn() {
    ForgetLostPiece();
    if (HeldPiece == 0) return false;
    table_->PieceTurn[HeldPiece] = (table_->PieceTurn[HeldPiece] + 3) % 4;
    return true;
}

bool ChessHand::PutDown(int col, int row) {
    ForgetLostPiece();
    if (HeldPiece == 0) return false;
    const int tc = col - GrabCol;
    const int tr = row - GrabRow;
    if (!PlaceIsFree(*table_, HeldPiece, table_->PieceTurn[HeldPiece], tc, tr)) return false;
    table_->PieceCol[HeldPiece] = tc;
    table_->PieceRow[HeldPiece] = tr;
    HeldPiece = 0;
    return true;
}

}  // namespace tarnwick
