#pragma once
// A new game played through the real windows as a player with the mouse
// would: each room's level 1 solved by its solver's moves, the won pieces
// laid into a chess board. The whole-game test and the snapshots of every
// scene play it alike.
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

// Level 1 of each room, solved by its solver on the rules as the entry
// sequence dealt them, the moves made with the mouse. False when the
// solver found nothing.
inline bool SolveWithTheMouse(TRiddleWin& room) {
    switch (room.Room()) {
    case 1: {
        const auto search = solve::SearchEntangling(RulesOf<EntanglingRules>(room));
        for (const auto& [from, to] : search.solution)
            Drag(room, FieldCell(room.Rules(), from), FieldCell(room.Rules(), to));
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
        for (const auto& [from, to] : *moves) Drag(room, from, to);
        return true;
    }
    case 3: {
        // A start that parity leaves without a tour is dealt too; the
        // player's way out is the reset, which deals again.
        auto tour = solve::FindTour(RulesOf<KnightRules>(room), 10000);
        for (int deal = 1; deal < 20 && tour.result == solve::TourSearch::NoTour; ++deal) {
            room.ResetBtnClick();
            tour = solve::FindTour(RulesOf<KnightRules>(room), 10000);
        }
        for (BoardCell cell : tour.jumps) Click(room, cell);
        return tour.result == solve::TourSearch::Found;
    }
    case 4: {
        const auto path = solve::AlterationSolution(RulesOf<AlterationRules>(room));
        for (const auto& [from, to] : path) Drag(room, FieldCell(room.Rules(), from), FieldCell(room.Rules(), to));
        return !path.empty();
    }
    case 5: {
        const auto way = solve::ShortestDisplacement(RulesOf<DisplacementRules>(room));
        for (std::size_t i = 1; i < way.size(); ++i) {
            const auto [left, entered] = solve::StepBetween(way[i - 1], way[i]);
            const Pixel a = room.Rules().Geometry().Centre(left), b = room.Rules().Geometry().Centre(entered);
            room.MouseDown(a.x, a.y);
            room.MouseMove(b.x, b.y);
            room.MouseUp(b.x, b.y);
        }
        return !way.empty();
    }
    case 6:
        for (BoardCell cell : solve::SayingsInOrder(RulesOf<SayingsRules>(room))) Click(room, cell);
        return true;
    case 7: {
        // The player who looks one answer ahead; should the chancellor win
        // a duel all the same, the reset starts another, as a player would.
        auto& duel = RulesOf<DuelRules>(room);
        for (int duels = 0; duels < 3 && duel.Judge() != Verdict::Solved; ++duels) {
            if (duels > 0) room.ResetBtnClick();
            for (int move = 0; move < 200 && duel.Judge() == Verdict::Undecided; ++move)
                Click(room, solve::LookaheadPlayerMove(duel.Board()));
        }
        return duel.Judge() == Verdict::Solved;
    }
    case 8: {
        const auto walk = solve::FindWalk(RulesOf<WanderingRules>(room), {solve::LineWish::AnyMove}, 2000000);
        if (!walk) return false;
        for (BoardCell cell : *walk) Click(room, cell);
        return true;
    }
    case 9: {
        const auto& rules = RulesOf<ConfusionRules>(room);
        solve::ConfusionSearch search(rules);
        const auto path = search.Solve(solve::ConfusionPack(rules.Values()));
        // Each jump moves the ball from where the empty field goes next.
        for (const auto& [emptyBefore, emptyAfter] : path)
            Drag(room, FieldCell(rules, emptyAfter), FieldCell(rules, emptyBefore));
        return !path.empty();
    }
    case 11: {
        DisappearanceRules rules = RulesOf<DisappearanceRules>(room);
        std::set<std::vector<int>> lost;
        std::vector<int> path;
        if (!solve::SolveDisappearance(rules, lost, path)) return false;
        for (int jump : path) Drag(room, FieldCell(rules, jump / 100), FieldCell(rules, jump % 100));
        return true;
    }
    case 12: {
        auto& rules = RulesOf<SeparationRules>(room);
        for (const BoardPoint& click : solve::CutClicks(rules.Size(), solve::FromMap(solve::MadeWith.at(1).front())))
            Click(room, click);
        return true;
    }
    default: return false;
    }
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
