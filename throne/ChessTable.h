// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The throne-room table: 20 x 15 cells of 20 x 20 pixels on which the won
// pieces of the king's chess board lie. Works on the game's piece table
// alone (PieceCol, PieceRow, PieceTurn), so it needs no window.
#include <optional>

#include "platform/Random.h"
#include "state/Game.h"
#include "throne/PieceShapes.h"

namespace tarnwick {

constexpr int TableColumns = 20;
constexpr int TableRows = 15;
constexpr int TableCellSize = 20;
constexpr int ChessBoardSize = 8;

// Whether piece 1..12 has been won and so lies on the table.
bool PieceWon(const PieceTable& table, int piece);

// Whether piece N in the given turn, with its 4 x 4 box's top-left corner at
// table cell (col, row), lies wholly on the table and covers no square of
// another won piece. The box itself may hang over the edge where it is empty.
bool PlaceIsFree(const PieceTable& table, int piece, int turn, int col, int row);

// Gives a newly won piece a random free place and turn on the table. Should
// chance keep missing on a crowded table, the free places are counted out and
// one of them drawn; with none left at all, the pieces are spread out anew.
void PlacePiece(PieceTable& table, int piece, Random& random);

// Puts every won piece, in its turn, into a 4 x 4 box of its own: five boxes
// across the table, three down. No two pieces can then overlap.
void SpreadWonPieces(PieceTable& table);

// The won piece with a square on table cell (col, row), and which cell of
// its box that square is.
struct PieceHit {
    int piece = 0;
    int boxCol = 0;
    int boxRow = 0;
};
std::optional<PieceHit> PieceAt(const PieceTable& table, int col, int row);

// The throne room's check after a piece is put down: the first covered cell
// (columns from the left, each from the top) must be the corner of a fully
// covered, chequered 8 x 8 board, whichever colour that corner has.
enum class BoardCheck {
    Undecided,   // no covered cell, or it lies too far right or down
    Complete,
    Incomplete,
};
BoardCheck CheckChessBoard(const PieceTable& table);

// Every solved room's piece gets a fresh place on the table; the pieces of
// unsolved rooms leave it.
void PlaceWonPieces(GameInPlay& game, Random& random);

}  // namespace tarnwick
