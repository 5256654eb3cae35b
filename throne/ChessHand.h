// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The piece the player carries in the throne room: which one, and by which
// cell of its 4 x 4 box it was picked up. Lives as long as the throne room
// and, like it, keeps a piece in hand from one visit to the next.
//
// A new or loaded game can take the carried piece away (its PieceTurn goes
// back to -1); such a piece drops out of the hand at the next look, so it is
// never drawn, turned or put down without a turn.
#include "state/Game.h"

namespace tarnwick {

struct ChessHand {
    explicit ChessHand(PieceTable& table) : table_(&table) {}

    int HeldPiece = 0;  // 0: empty hand
    int GrabCol = 0;
    int GrabRow = 0;

    // The piece in hand, 0 if none (or if it is no longer won).
    int Held() const;
    // Empties the hand if its piece is no longer won.
    void ForgetLostPiece();

    // Picks up the piece lying on table cell (col, row). False if the hand
    // is full or no piece lies there. The piece keeps its table place until
    // it is put down.
    bool PickUp(int col, int row);
    // One quarter turn counter-clockwise, in hand, wherever the piece is.
    // False if nothing is held.
    bool Turn();
    // Puts the piece down with its grabbed box cell on table cell (col, row)
    // (after a turn that box cell may be empty): only wholly on the table and
    // clear of every other piece; otherwise it stays in hand and false is
    // returned.
    bool PutDown(int col, int row);

private:
    PieceTable* table_;  // the game's: it outlives every hand
};

}  // namespace tarnwick
