// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A new game played through the real windows as a player would, with the
// mouse or with the keys: each room's level 1 solved by following its hint,
// the won pieces laid into a chess board. The whole-game tests and the
// snapshots of every scene play it alike.
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

// What a player does in a riddle room: with the mouse, or with the keys.
class RoomHands {
public:
    virtual ~RoomHands() = default;
    virtual void Drag(BoardCell from, BoardCell to) = 0;
    virtual void Click(const BoardPoint& point) = 0;
    void Click(BoardCell cell) { Click(BoardPoint{cell, 16, 16}); }
    // The ball on `from` taken hold of, pushed onto the next field `to`,
    // and let go.
    virtual void Push(BoardCell from, BoardCell to) = 0;
    // The reset button.
    virtual void Reset() = 0;
};

// The mouse, straight on the room's handlers.
class MouseHands : public RoomHands {
public:
    explicit MouseHands(TRiddleWin& room) : room_(room) {}
    void Drag(BoardCell from, BoardCell to) override { testing::Drag(room_, from, to); }
    void Click(const BoardPoint& point) override { testing::Click(room_, point); }
    using RoomHands::Click;
    void Push(BoardCell from, BoardCell to) override {
        const Pixel a = room_.Rules().Geometry().Centre(from), b = room_.Rules().Geometry().Centre(to);
        room_.MouseDown(a.x, a.y);
        room_.MouseMove(b.x, b.y);
        room_.MouseUp(b.x, b.y);
    }
    void Reset() override { room_.ResetBtnClick(); }

private:
    TRiddleWin& room_;
};

// Level 1 of each room solved by following its hint, each move made by
// the hands. A deal without a way on (a knight's start the parity forbids)
// and a lost duel are begun again with the reset, as a player would. False
// when the room was not solved.
inline bool SolveLevelOne(TRiddleWin& room, RoomHands& hands) {
    for (int moves = 0, resets = 0; moves < 400 && resets < 20; ++moves) {
        if (!room.OKBtn->isHidden() && room.Rules().Judge() == Verdict::Solved) return true;
        const Hint hint = room.Rules().NextMove();
        if (hint.kind != Hint::Move || hint.fields.empty()) {
            hands.Reset();
            ++resets;
        } else if (hint.fields.size() == 1) {
            hands.Click(hint.fields.front());
        } else if (dynamic_cast<PushRules*>(&room.Rules())) {
            hands.Push(hint.fields[0].cell, hint.fields[1].cell);
        } else {
            hands.Drag(hint.fields[0].cell, hint.fields[1].cell);
        }
    }
    return false;
}

inline bool SolveWithTheMouse(TRiddleWin& room) {
    MouseHands hands(room);
    return SolveLevelOne(room, hands);
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

// What a player does on the throne-room table, by table cells: with the
// mouse, or with the keys.
class TableHands {
public:
    virtual ~TableHands() = default;
    // A press on a cell: picks up the piece there, or puts down the one in
    // hand with its grabbed square on the cell.
    virtual void Press(int col, int row) = 0;
    virtual void Turn(int col, int row) = 0;
};

// The mouse: the left button picks up and puts down, the right one turns.
// `carried` is called while the first piece is in hand.
class MouseTableHands : public TableHands {
public:
    MouseTableHands(TChessWin& chess, std::function<void()> carried) : chess_(chess), carried_(std::move(carried)) {}
    void Press(int col, int row) override {
        const bool picking = chess_.Hand.HeldPiece == 0;
        chess_.MouseDown(Qt::LeftButton, At(col), At(row));
        if (picking && carried_ && chess_.Hand.HeldPiece) {
            chess_.MouseMove(At(col) + 7, At(row) + 5);
            carried_();
            carried_ = {};
        }
    }
    void Turn(int col, int row) override { chess_.MouseDown(Qt::RightButton, At(col), At(row)); }

private:
    TChessWin& chess_;
    std::function<void()> carried_;
};

// The won pieces laid into a chess board whose corner is light: every
// piece in the way put aside, then each one turned and put in its place.
// False when a piece would not go where it belongs.
inline bool LayTheBoard(TChessWin& chess, const PieceTable& table, TableHands& hands) {
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
        hands.Press(table.PieceCol[piece] + grab.x(), table.PieceRow[piece] + grab.y());
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
                hands.Press(c, r);
            }
        if (chess.Hand.HeldPiece) return false;
    }
    // Then each piece into its place, turned with the right button.
    for (int piece = 1; piece <= PieceCount; ++piece) {
        if (atTarget(piece)) continue;
        const QPoint grab = pickUp(piece);
        for (int turns = 0; turns < 4 && table.PieceTurn[piece] != target[piece].turn; ++turns)
            hands.Turn(table.PieceCol[piece] + grab.x(), table.PieceRow[piece] + grab.y());
        hands.Press(target[piece].col + grab.x(), target[piece].row + grab.y());
        if (chess.Hand.HeldPiece) return false;
    }
    return true;
}

inline bool LayTheBoard(TChessWin& chess, const PieceTable& table, const std::function<void()>& carried = {}) {
    MouseTableHands hands(chess, carried);
    return LayTheBoard(chess, table, hands);
}

}  // namespace tarnwick::testing
