#pragma once
// A new game played through the real windows as a player with the mouse
// would: each room's level 1 solved by following its hint, the won pieces
// laid into a chess board. The whole-game test and the snapshots of every
// scene play it alike.
#include <QPoint>

#include "labyrinth/Corridors.h"
#include "platform/Random.h"
#include "platform/SceneWindow.h"
#include "riddles/frame/RiddleWin.h"
#include "support/WindowsRig.h"
#include "throne/Chess.h"
#include "throne/ChessHand.h"
#include "throne/ChessBoardSearch.h"

namespace tarnwick::testing {

namespace solve = tarnwick::testing;

// Where the chess board is laid: its top-left square on the table.
constexpr int BoardCol = 6, BoardRow = 3;

// Level 1 of each room solved by following its hint, each move made with
// the mouse. A deal without a way on (a knight's start the parity forbids)
// and a lost duel are begun again with the reset, as a player would. False
// when the room was not solved.
inline bool SolveWithTheMouse(TRiddleWin& room) {
    for (int moves = 0, resets = 0; moves < 400 && resets < 20; ++moves) {
        if (!room.OKBtn->isHidden() && room.Rules().Judge() == Verdict::Solved) return true;
        const Hint hint = room.Rules().NextMove();
        if (hint.kind == Hint::Move) {
            PlayWithTheMouse(room, hint);
        } else {
            room.ResetBtnClick();
            ++resets;
        }
    }
    return false;
}

// Whether a piece's squares lie where the board is to be laid.
inline bool OnBoardArea(int piece, int turn, int col, int row) {
    for (int r = 0; r < PieceBox; ++r)
        for (int c = 0; c < PieceBox; ++c) {
            if (PieceSquareAt(piece, turn, r, c) == EmptySquare) continue;
            const int tc = col + c, tr = row + r;
            if (tc >= BoardCol && tc < BoardCol + 8 && tr >= BoardRow && tr < BoardRow + 8) return true;
        }
    return false;
}

// A square of the piece as it lies: its cell in the piece's box.
inline QPoint GrabCell(const PieceTable& table, int piece) {
    for (int r = 0; r < PieceBox; ++r)
        for (int c = 0; c < PieceBox; ++c)
            if (PieceSquareAt(piece, table.PieceTurn[piece], r, c) != EmptySquare) return {c, r};
    return {};
}

inline int At(int cell) { return 20 * cell + 10; }

// The won pieces laid with the mouse into a chess board whose corner is
// light: every piece in the way put aside, then each one turned and put in
// its place. `carried` is called while the first piece is in hand. False
// when a piece would not go where it belongs.
inline bool LayTheBoard(TChessWin& chess, const PieceTable& table, const std::function<void()>& carried = {}) {
bool first = true;
    solve::BoardSearch search(LightSquare);
    const std::vector<solve::Placement>& board = search.boards.front();
    struct Target {
        int turn = 0, col = 0, row = 0;
    } target[PieceCount + 1];
    for (const solve::Placement& p : board) {
        const solve::Shape& shape = search.ShapeOf(p);
        target[p.piece] = {shape.turn, BoardCol + p.col - shape.anchorCol, BoardRow + p.row - shape.anchorRow};
    }
    const auto atTarget = [&](int piece) {
        return table.PieceTurn[piece] == target[piece].turn && table.PieceCol[piece] == target[piece].col &&
               table.PieceRow[piece] == target[piece].row;
    };
    const auto pickUp = [&](int piece) {
        const QPoint grab = GrabCell(table, piece);
        chess.MouseDown(Qt::LeftButton, At(table.PieceCol[piece] + grab.x()), At(table.PieceRow[piece] + grab.y()));
        if (first && carried) {
            chess.MouseMove(At(table.PieceCol[piece] + grab.x()) + 7, At(table.PieceRow[piece] + grab.y()) + 5);
            carried();
        }
        first = false;
        return grab;
    };
    // Every piece in the way is put aside, off the board's place.
    for (int piece = 1; piece <= PieceCount; ++piece) {
        if (atTarget(piece) || !OnBoardArea(piece, table.PieceTurn[piece], table.PieceCol[piece], table.PieceRow[piece])) continue;
        const QPoint grab = pickUp(piece);
        if (chess.Hand.HeldPiece != piece) return false;
        for (int row = -3; row < 15 && chess.Hand.HeldPiece; ++row)
            for (int col = -3; col < 20 && chess.Hand.HeldPiece; ++col) {
                const int c = col + grab.x(), r = row + grab.y();
                if (c < 0 || c >= 20 || r < 0 || r >= 15 || OnBoardArea(piece, table.PieceTurn[piece], col, row))
                    continue;
                chess.MouseDown(Qt::LeftButton, At(c), At(r));
            }
        if (chess.Hand.HeldPiece) return false;
    }
    // Then each piece into its place, turned with the right button.
    for (int piece = 1; piece <= PieceCount; ++piece) {
        if (atTarget(piece)) continue;
        const QPoint grab = pickUp(piece);
        for (int turns = 0; turns < 4 && table.PieceTurn[piece] != target[piece].turn; ++turns)
            chess.MouseDown(Qt::RightButton, At(table.PieceCol[piece] + grab.x()), At(table.PieceRow[piece] + grab.y()));
        chess.MouseDown(Qt::LeftButton, At(target[piece].col + grab.x()), At(target[piece].row + grab.y()));
        if (chess.Hand.HeldPiece) return false;
    }
    return true;
}

}  // namespace tarnwick::testing
