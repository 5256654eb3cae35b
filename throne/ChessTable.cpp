// SPDX-License-Identifier: GPL-3.0-or-later
#include "throne/ChessTable.h"


namespace tarnwick {

namespace {

// PlacePiece draws the box corner from columns 0..17 and rows 0..12.
constexpr int DrawnColumns = TableColumns - 2;
constexpr int DrawnRows = TableRows - 2;
// Far more draws than an ordinary table ever needs; past them the free
// places are counted out instead.
constexpr int MaxRandomDraws = 10000;

bool OnTable(int col, int row) {
    return col >= 0 && col < TableColumns && row >= 0 && row < TableRows;
}

// Whether won piece `other` has a square on table cell (col, row).
bool Covers(const PieceTable& t, int other, int col, int row) {
    const int boxCol = col - t.PieceCol[other];
    const int boxRow = row - t.PieceRow[other];
    if (boxCol < 0 || boxCol >= PieceBox || boxRow < 0 || boxRow >= PieceBox) return false;
    return PieceSquareAt(other, t.PieceTurn[other], boxRow, boxCol) != EmptySquare;
}

void SetPlace(PieceTable& t, int piece, int turn, int col, int row) {
    t.PieceCol[piece] = col;
    t.PieceRow[piece] = row;
    t.PieceTurn[piece] = turn;
}

// Picks one of the free places with box corners in the given ranges, all
// equally likely; false if there is none.
bool PlaceAmongFree(PieceTable& t, Random& random, int piece, int firstCol, int lastCol, int firstRow, int lastRow) {
    int freePlaces = 0;
    for (int turn = 0; turn < 4; ++turn)
        for (int col = firstCol; col <= lastCol; ++col)
            for (int row = firstRow; row <= lastRow; ++row)
                if (PlaceIsFree(t, piece, turn, col, row)) ++freePlaces;
    if (freePlaces == 0) return false;
    int chosen = random.Next(freePlaces);
    for (int turn = 0; turn < 4; ++turn)
        for (int col = firstCol; col <= lastCol; ++col)
            for (int row = firstRow; row <= lastRow; ++row)
                if (PlaceIsFree(t, piece, turn, col, row) && chosen-- == 0) {
                    SetPlace(t, piece, turn, col, row);
                    return true;
                }
    return false;
}

}  // namespace

bool PieceWon(const PieceTable& t, int piece) { return piece >= 1 && piece <= PieceCount && t.PieceTurn[piece] >= 0; }

bool PlaceIsFree(const PieceTable& t, int piece, int turn, int col, int row) {
    for (int boxRow = 0; boxRow < PieceBox; ++boxRow) {
        for (int boxCol = 0; boxCol < PieceBox; ++boxCol) {
            if (PieceSquareAt(piece, turn, boxRow, boxCol) == EmptySquare) continue;
            const int tableCol = col + boxCol;
            const int tableRow = row + boxRow;
            if (!OnTable(tableCol, tableRow)) return false;
            for (int other = 1; other <= PieceCount; ++other)
                if (other != piece && PieceWon(t, other) && Covers(t, other, tableCol, tableRow))
                    return false;
        }
    }
    return true;
}

void PlacePiece(PieceTable& t, int piece, Random& random) {
    for (int draw = 0; draw < MaxRandomDraws; ++draw) {
        const int col = random.Next(DrawnColumns);
        const int row = random.Next(DrawnRows);
        const int turn = random.Next(4);
        if (PlaceIsFree(t, piece, turn, col, row)) {
            SetPlace(t, piece, turn, col, row);
            return;
        }
    }
    if (PlaceAmongFree(t, random, piece, 0, DrawnColumns - 1, 0, DrawnRows - 1)) return;
    t.PieceTurn[piece] = random.Next(4);
    SpreadWonPieces(t);
}

void SpreadWonPieces(PieceTable& t) {
    for (int piece = 1; piece <= PieceCount; ++piece) {
        if (!PieceWon(t, piece)) continue;
        t.PieceCol[piece] = PieceBox * ((piece - 1) % 5);
        t.PieceRow[piece] = PieceBox * ((piece - 1) / 5);
    }
}

std::optional<PieceHit> PieceAt(const PieceTable& t, int col, int row) {
    std::optional<PieceHit> hit;
    for (int piece = 1; piece <= PieceCount; ++piece)
        if (PieceWon(t, piece) && Covers(t, piece, col, row))
            hit = PieceHit{piece, col - t.PieceCol[piece], row - t.PieceRow[piece]};
    return hit;
}

BoardCheck CheckChessBoard(const PieceTable& t) {
    int colour[TableColumns][TableRows] = {};
    for (int piece = 1; piece <= PieceCount; ++piece) {
        if (!PieceWon(t, piece)) continue;
        for (int boxRow = 0; boxRow < PieceBox; ++boxRow)
            for (int boxCol = 0; boxCol < PieceBox; ++boxCol) {
                const int square = PieceSquareAt(piece, t.PieceTurn[piece], boxRow, boxCol);
                const int col = t.PieceCol[piece] + boxCol;
                const int row = t.PieceRow[piece] + boxRow;
                if (square != EmptySquare && OnTable(col, row)) colour[col][row] = square;
            }
    }

    for (int c0 = 0; c0 < TableColumns; ++c0) {
        for (int r0 = 0; r0 < TableRows; ++r0) {
            const int k = colour[c0][r0];
            if (k == 0) continue;
            if (c0 > TableColumns - ChessBoardSize || r0 > TableRows - ChessBoardSize)
                return BoardCheck::Undecided;
            for (int i = 0; i < ChessBoardSize; ++i)
                for (int j = 0; j < ChessBoardSize; ++j)
                    if (colour[c0 + j][r0 + i] != (i + j + k + 1) % 2 + 1)
                        return BoardCheck::Incomplete;
            return BoardCheck::Complete;
        }
    }
    return BoardCheck::Undecided;
}

}  // namespace tarnwick

namespace tarnwick {

void PlaceWonPieces(GameInPlay& game, Random& random) {
    for (int n = 1; n <= RoomCount; ++n) {
        if (game.DoorOpen[n]) {
            PlacePiece(game, n, random);
        } else {
            game.PieceTurn[n] = -1;
        }
    }
}

}  // namespace tarnwick
