#pragma once
// A new game played through the real windows as a player would, with the
// mouse or with the keys: each room's level 1 solved by its solver's moves,
// the won pieces laid into a chess board. The whole-game tests and the
// snapshots of every scene play it alike.
#include <QPoint>
#include <set>

#include "labyrinth/Corridors.h"
#include "platform/Random.h"
#include "platform/SceneWindow.h"
#include "riddles/frame/RiddleWin.h"
#include "riddles/balls/AlterationRules.h"
#include "riddles/balls/ConfusionRules.h"
#include "riddles/balls/DisappearanceRules.h"
#include "riddles/balls/EntanglingRules.h"
#include "riddles/corridors/DisplacementRules.h"
#include "riddles/fields/KnightRules.h"
#include "riddles/fields/WanderingRules.h"
#include "riddles/sayings/SayingsRules.h"
#include "riddles/separation/SeparationRules.h"
#include "riddles/duel/DuelRules.h"
#include "riddles/balls/LonelinessRules.h"
#include "riddles/balls/RestrictionRules.h"
#include "support/DuelPlayers.h"
#include "support/WindowsRig.h"
#include "throne/Chess.h"
#include "throne/ChessHand.h"
#include "riddles/balls/AlterationSolver.h"
#include "riddles/balls/ConfusionSolver.h"
#include "riddles/balls/DisappearanceSolver.h"
#include "riddles/corridors/DisplacementSolver.h"
#include "riddles/balls/EntanglingSolver.h"
#include "riddles/fields/KnightTour.h"
#include "riddles/sayings/SayingsSolver.h"
#include "riddles/balls/ScatteredBallsSolver.h"
#include "riddles/separation/SeparationSolver.h"
#include "riddles/fields/WanderingSearch.h"
#include "throne/ChessBoardSearch.h"

namespace tarnwick::testing {

namespace solve = tarnwick::testing;

// Where the chess board is laid: its top-left square on the table.
constexpr int BoardCol = 6, BoardRow = 3;

inline BoardCell FieldCell(const RoomRules& rules, int field) {
    const int columns = rules.Geometry().columns;
    return {field % columns, field / columns};
}

template <typename Rules>
inline Rules& RulesOf(TRiddleWin& room) {
    return dynamic_cast<Rules&>(room.Rules());
}

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

// Level 1 of each room, solved by its solver on the rules as the entry
// sequence dealt them, the moves made by the hands. False when the solver
// found nothing.
inline bool SolveLevelOne(TRiddleWin& room, RoomHands& hands) {
    switch (room.Room()) {
    case 1: {
        const auto search = solve::SearchEntangling(RulesOf<EntanglingRules>(room));
        for (const auto& [from, to] : search.solution)
            hands.Drag(FieldCell(room.Rules(), from), FieldCell(room.Rules(), to));
        return search.solved;
    }
    case 2:
    case 10: {
        auto& rules = dynamic_cast<BallBoardRules&>(room.Rules());
        std::vector<BoardCell> goal;
        if (room.Room() == 2) {
            RestrictionRules finder = RulesOf<RestrictionRules>(room);
            goal = solve::SolvedPosition(finder, 2);
        } else {
            LonelinessRules finder = RulesOf<LonelinessRules>(room);
            goal = solve::SolvedPosition(finder, 1);
        }
        const auto moves = solve::PlacementMoves(rules, goal);
        if (!moves) return false;
        for (const auto& [from, to] : *moves) hands.Drag(from, to);
        return true;
    }
    case 3: {
        // A start that parity leaves without a tour is dealt too; the
        // player's way out is the reset, which deals again.
        auto tour = solve::FindTour(RulesOf<KnightRules>(room), 10000);
        for (int deal = 1; deal < 20 && tour.result == solve::TourSearch::NoTour; ++deal) {
            hands.Reset();
            tour = solve::FindTour(RulesOf<KnightRules>(room), 10000);
        }
        for (BoardCell cell : tour.jumps) hands.Click(cell);
        return tour.result == solve::TourSearch::Found;
    }
    case 4: {
        const auto path = solve::AlterationSolution(RulesOf<AlterationRules>(room));
        for (const auto& [from, to] : path) hands.Drag(FieldCell(room.Rules(), from), FieldCell(room.Rules(), to));
        return !path.empty();
    }
    case 5: {
        const auto way = solve::ShortestDisplacement(RulesOf<DisplacementRules>(room));
        for (std::size_t i = 1; i < way.size(); ++i) {
            const auto [left, entered] = solve::StepBetween(way[i - 1], way[i]);
            hands.Push(left, entered);
        }
        return !way.empty();
    }
    case 6:
        for (BoardCell cell : solve::SayingsInOrder(RulesOf<SayingsRules>(room))) hands.Click(cell);
        return true;
    case 7: {
        // The player who looks one answer ahead; should the chancellor win
        // a duel all the same, the reset starts another, as a player would.
        auto& duel = RulesOf<DuelRules>(room);
        for (int duels = 0; duels < 3 && duel.Judge() != Verdict::Solved; ++duels) {
            if (duels > 0) hands.Reset();
            for (int move = 0; move < 200 && duel.Judge() == Verdict::Undecided; ++move)
                hands.Click(solve::LookaheadPlayerMove(duel.Board()));
        }
        return duel.Judge() == Verdict::Solved;
    }
    case 8: {
        const auto walk = solve::FindWalk(RulesOf<WanderingRules>(room), {solve::LineWish::AnyMove}, 2000000);
        if (!walk) return false;
        for (BoardCell cell : *walk) hands.Click(cell);
        return true;
    }
    case 9: {
        const auto& rules = RulesOf<ConfusionRules>(room);
        solve::ConfusionSearch search(rules);
        const auto path = search.Solve(solve::ConfusionPack(rules.Values()));
        // Each jump moves the ball from where the empty field goes next.
        for (const auto& [emptyBefore, emptyAfter] : path)
            hands.Drag(FieldCell(rules, emptyAfter), FieldCell(rules, emptyBefore));
        return !path.empty();
    }
    case 11: {
        DisappearanceRules rules = RulesOf<DisappearanceRules>(room);
        std::set<std::vector<int>> lost;
        std::vector<int> path;
        if (!solve::SolveDisappearance(rules, lost, path)) return false;
        for (int jump : path) hands.Drag(FieldCell(rules, jump / 100), FieldCell(rules, jump % 100));
        return true;
    }
    case 12: {
        auto& rules = RulesOf<SeparationRules>(room);
        for (const BoardPoint& click : solve::CutClicks(rules.Size(), solve::FromMap(solve::MadeWith.at(1).front())))
            hands.Click(click);
        return true;
    }
    default: return false;
    }
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
