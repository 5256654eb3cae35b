#include "throne/ChessTable.h"

#include "shell/GameState.h"
#include "platform/Random.h"

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
bool Covers(int other, int col, int row) {
    const int boxCol = col - PieceCol[other];
    const int boxRow = row - PieceRow[other];
    if (boxCol < 0 || boxCol >= PieceBox || boxRow < 0 || boxRow >= PieceBox) return false;
    return PieceSquareAt(other, PieceTurn[other], boxRow, boxCol) != EmptySquare;
}

void SetPlace(int piece, int turn, int col, int row) {
    PieceCol[piece] = col;
    PieceRow[piece] = row;
    PieceTurn[piece] = turn;
}

// Picks one of the free places with box corners in the given ranges, all
// equally likely; false if there is none.
bool PlaceAmongFree(int piece, int firstCol, int lastCol, int firstRow, int lastRow) {
    int freePlaces = 0;
    for (int turn = 0; turn < 4; ++turn)
        for (int col = firstCol; col <= lastCol; ++col)
            for (int row = firstRow; row <= lastRow; ++row)
                if (PlaceIsFree(piece, turn, col, row)) ++freePlaces;
    if (freePlaces == 0) return false;
    int chosen = GameRandom().Next(freePlaces);
    for (int turn = 0; turn < 4; ++turn)
        for (int col = firstCol; col <= lastCol; ++col)
            for (int row = firstRow; row <= lastRow; ++row)
                if (PlaceIsFree(piece, turn, col, row) && chosen-- == 0) {
                    SetPlace(piece, turn, col, row);
                    return true;
                }
    return false;
}

}  // namespace

bool PieceWon(int piece) { return piece >= 1 && piece <= PieceCount && PieceTurn[piece] >= 0; }

bool PlaceIsFree(int piece, int turn, int col, int row) {
    for (int boxRow = 0; boxRow < PieceBox; ++boxRow) {
        for (int boxCol = 0; boxCol < PieceBox; ++boxCol) {
            if (PieceSquareAt(piece, turn, boxRow, boxCol) == EmptySquare) continue;
            const int tableCol = col + boxCol;
            const int tableRow = row + boxRow;
            if (!OnTable(tableCol, tableRow)) return false;
            for (int other = 1; other <= PieceCount; ++other)
                if (other != piece && PieceWon(other) && Covers(other, tableCol, tableRow))
                    return false;
        }
    }
    return true;
}

void PlacePiece(int piece) {
    Random& random = GameRandom();
    for (int draw = 0; draw < MaxRandomDraws; ++draw) {
        const int col = random.Next(DrawnColumns);
        const int row = random.Next(DrawnRows);
        const int turn = random.Next(4);
        if (PlaceIsFree(piece, turn, col, row)) {
            SetPlace(piece, turn, col, row);
            return;
        }
    }
    if (PlaceAmongFree(piece, 0, DrawnColumns - 1, 0, DrawnRows - 1)) return;
    PieceTurn[piece] = random.Next(4);
    SpreadWonPieces();
}

void SpreadWonPieces() {
    for (int piece = 1; piece <= PieceCount; ++piece) {
        if (!PieceWon(piece)) continue;
        PieceCol[piece] = PieceBox * ((piece - 1) % 5);
        PieceRow[piece] = PieceBox * ((piece - 1) / 5);
    }
}

std::optional<PieceHit> PieceAt(int col, int row) {
    std::optional<PieceHit> hit;
    for (int piece = 1; piece <= PieceCount; ++piece)
        if (PieceWon(piece) && Covers(piece, col, row))
            hit = PieceHit{piece, col - PieceCol[piece], row - PieceRow[piece]};
    return hit;
}

BoardCheck CheckChessBoard() {
    int colour[TableColumns][TableRows] = {};
    for (int piece = 1; piece <= PieceCount; ++piece) {
        if (!PieceWon(piece)) continue;
        for (int boxRow = 0; boxRow < PieceBox; ++boxRow)
            for (int boxCol = 0; boxCol < PieceBox; ++boxCol) {
                const int square = PieceSquareAt(piece, PieceTurn[piece], boxRow, boxCol);
                const int col = PieceCol[piece] + boxCol;
                const int row = PieceRow[piece] + boxRow;
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
