// A new game played to its end through the real windows, made as the
// program makes them: every door entered, every riddle solved at level 1
// with the mouse by its solver's moves, every piece picked up, the chess
// board laid in the throne room, the finale seen and door 13 opened.
#include <QtTest>
#include <memory>
#include <set>

#include "labyrinth/Corridors.h"
#include "labyrinth/Puzzle.h"
#include "platform/Random.h"
#include "platform/SceneWindow.h"
#include "riddles/RiddleWin.h"
#include "riddles/DuelRules.h"
#include "riddles/LonelinessRules.h"
#include "riddles/RestrictionRules.h"
#include "shell/GameState.h"
#include "shell/GameWindows.h"
#include "shell/Main.h"
#include "shell/Msg.h"
#include "shell/Texts.h"
#include "support/DuelPlayers.h"
#include "support/GameRig.h"
#include "throne/Chess.h"
#include "throne/ChessHand.h"
#include "throne/Done.h"
#include "riddles/AlterationSolver.h"
#include "riddles/ConfusionSolver.h"
#include "riddles/DisappearanceSolver.h"
#include "riddles/DisplacementSolver.h"
#include "riddles/EntanglingSolver.h"
#include "riddles/KnightTour.h"
#include "riddles/SayingsSolver.h"
#include "riddles/ScatteredBallsSolver.h"
#include "riddles/SeparationSolver.h"
#include "riddles/WanderingSearch.h"
#include "throne/ChessBoardSearch.h"

using namespace tarnwick;
namespace solve = tarnwick::testing;

namespace {

// The seed of the whole game: the deals, the spells and the duel.
constexpr std::uint64_t Seed = 2026;

// Where the chess board is laid: its top-left square on the table.
constexpr int BoardCol = 6, BoardRow = 3;

BoardCell FieldCell(const RoomRules& rules, int field) {
    const int columns = rules.Geometry().columns;
    return {field % columns, field / columns};
}

// The riddle window driven as the mouse drives it.
void Drag(TRiddleWin& room, BoardCell from, BoardCell to) {
    const Pixel a = room.Rules().Geometry().Centre(from), b = room.Rules().Geometry().Centre(to);
    room.MouseDown(a.x, a.y);
    room.MouseMove((a.x + b.x) / 2, (a.y + b.y) / 2);
    room.MouseMove(b.x, b.y);
    room.MouseUp(b.x, b.y);
}
void Click(TRiddleWin& room, BoardPoint point) {
    const Pixel corner = room.Rules().Geometry().Corner(point.cell);
    room.MouseDown(corner.x + point.dx, corner.y + point.dy);
}
void Click(TRiddleWin& room, BoardCell cell) { Click(room, BoardPoint{cell, 16, 16}); }

template <typename Rules>
Rules& RulesOf(TRiddleWin& room) {
    return dynamic_cast<Rules&>(room.Rules());
}

// Level 1 of each room, solved by its solver on the rules as the entry
// sequence dealt them, the moves made with the mouse. False when the
// solver found nothing.
bool Solve(TRiddleWin& room) {
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
bool OnBoardArea(int piece, int turn, int col, int row) {
    for (int r = 0; r < PieceBox; ++r)
        for (int c = 0; c < PieceBox; ++c) {
            if (PieceSquareAt(piece, turn, r, c) == EmptySquare) continue;
            const int tc = col + c, tr = row + r;
            if (tc >= BoardCol && tc < BoardCol + 8 && tr >= BoardRow && tr < BoardRow + 8) return true;
        }
    return false;
}

// A square of the piece as it lies: its cell in the piece's box.
QPoint GrabCell(int piece) {
    for (int r = 0; r < PieceBox; ++r)
        for (int c = 0; c < PieceBox; ++c)
            if (PieceSquareAt(piece, PieceTurn[piece], r, c) != EmptySquare) return {c, r};
    return {};
}

int At(int cell) { return 20 * cell + 10; }

}  // namespace

class WholeGameTest : public QObject {
    Q_OBJECT

private:
    solve::GameRig rig_;
    SeededRandom dice_{Seed};
    std::unique_ptr<GameWindows> windows_;
    QStringList messages_;         // message texts in the order shown
    QStringList shown_;            // other windows run modally, in order
    std::vector<int> riddleCues_;  // cues inside the last riddle, up to leaving it
    std::vector<int> afterRiddle_;  // cues in the door room once back from the riddle
    bool solverFound_ = false;
    bool okShown_ = false;
    bool doneShown_ = false;
    std::vector<int> cuesAtDone_;
    bool pieceAfterDoor_ = false;  // the door room showed the won piece
    bool pickedUp_ = false;        // and it was picked up with cue 10

    int Riddle(TRiddleWin& room) {
        rig_.cues.log.clear();
        room.Activate();
        room.Paint();
        solverFound_ = Solve(room);
        riddleCues_ = rig_.cues.Played();
        rig_.cues.log.clear();
        okShown_ = !room.OKBtn->isHidden();
        if (!okShown_) return ModalLeft;
        room.OKBtn->click();
        return room.result();
    }

    int DoorRoom(TPuzzleWin& door) {
        door.Paint();
        door.Mousedown(200, 150);  // the closed door: into the riddle
        afterRiddle_ = rig_.cues.Played();
        pieceAfterDoor_ = door.DoorState == 1;
        if (pieceAfterDoor_) {
            rig_.cues.log.clear();
            door.Mousedown(190, 207);  // the piece
            pickedUp_ = rig_.cues.Played() == std::vector<int>{CuePickUp} && door.DoorState == 2;
        }
        door.Mousedown(5, 5);  // out of the room
        return ModalLeft;
    }

    int Throne(TChessWin& chess) {
        chess.Paint();
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
            return PieceTurn[piece] == target[piece].turn && PieceCol[piece] == target[piece].col &&
                   PieceRow[piece] == target[piece].row;
        };
        const auto pickUp = [&](int piece) {
            const QPoint grab = GrabCell(piece);
            chess.MouseDown(Qt::LeftButton, At(PieceCol[piece] + grab.x()), At(PieceRow[piece] + grab.y()));
            return grab;
        };
        // Every piece in the way is put aside, off the board's place.
        for (int piece = 1; piece <= PieceCount; ++piece) {
            if (atTarget(piece) || !OnBoardArea(piece, PieceTurn[piece], PieceCol[piece], PieceRow[piece])) continue;
            const QPoint grab = pickUp(piece);
            if (chess.Hand.HeldPiece != piece) return ModalLeft;
            for (int row = -3; row < 15 && chess.Hand.HeldPiece; ++row)
                for (int col = -3; col < 20 && chess.Hand.HeldPiece; ++col) {
                    const int c = col + grab.x(), r = row + grab.y();
                    if (c < 0 || c >= 20 || r < 0 || r >= 15 || OnBoardArea(piece, PieceTurn[piece], col, row))
                        continue;
                    chess.MouseDown(Qt::LeftButton, At(c), At(r));
                }
            if (chess.Hand.HeldPiece) return ModalLeft;
        }
        // Then each piece into its place, turned with the right button.
        for (int piece = 1; piece <= PieceCount; ++piece) {
            if (atTarget(piece)) continue;
            const QPoint grab = pickUp(piece);
            for (int turns = 0; turns < 4 && PieceTurn[piece] != target[piece].turn; ++turns)
                chess.MouseDown(Qt::RightButton, At(PieceCol[piece] + grab.x()), At(PieceRow[piece] + grab.y()));
            chess.MouseDown(Qt::LeftButton, At(target[piece].col + grab.x()), At(target[piece].row + grab.y()));
            if (chess.Hand.HeldPiece) return ModalLeft;
        }
        if (chess.OKBtn->isHidden()) return ModalLeft;
        chess.OKBtn->click();
        return chess.result();
    }

    void EnterDoor(int door) {
        const Cell cell = DoorCell(door);
        MainForm->PlayerCol = cell.col;
        MainForm->PlayerRow = cell.row;
        MainForm->EnterDoor();
    }

private slots:
    void initTestCase() {
        SetGameRandom(&dice_);
        windows_ = std::make_unique<GameWindows>();
        QVERIFY(windows_->MakeAll());
        MainForm->soundbtn->setChecked(true);
        SetModalScript([this](QDialog* window) {
            if (window == MessDlg) {
                messages_ << MessDlg->Mess->text();
                return ModalDone;
            }
            if (auto* riddle = dynamic_cast<TRiddleWin*>(window)) return Riddle(*riddle);
            if (window == PuzzleWin) return DoorRoom(*PuzzleWin);
            if (window == ChessWin) return Throne(*ChessWin);
            shown_ << window->objectName();
            if (window == DoneWin) {
                doneShown_ = true;
                cuesAtDone_ = rig_.cues.Played();
            }
            return ModalDone;
        });
        Language = 0;
        MainForm->NewGame();
    }

    void cleanupTestCase() {
        SetModalScript({});
        windows_.reset();
        SetGameRandom(nullptr);
    }

    void everyRoomIsSolvedAndEveryPieceWon() {
        for (int door = 1; door <= RoomCount; ++door) {
            messages_.clear();
            riddleCues_.clear();
            solverFound_ = okShown_ = pieceAfterDoor_ = pickedUp_ = false;
            rig_.cues.log.clear();
            EnterDoor(door);
            QVERIFY2(solverFound_, qPrintable(QString("room %1: the solver found no solution (room 7: the duel was lost)").arg(door)));
            QVERIFY2(okShown_, qPrintable(QString("room %1 not solved").arg(door)));
            QString cues;
            for (int cue : riddleCues_) cues += QString::number(cue) + " ";
            qInfo("room %d: %zu cues: %s", door, riddleCues_.size(), qPrintable(cues.right(40)));
            // Every room ends on the accepted last move; the room of
            // wandering closes each move with cue 8 after its slide, and the
            // duel ends on its last step, whatever that was.
            const std::vector<int> ending = door == 7   ? std::vector<int>{CueSolved}
                                            : door == 8 ? std::vector<int>{CueAccepted, CueRefused, CueSolved}
                                                        : std::vector<int>{CueAccepted, CueSolved};
            QVERIFY(riddleCues_.size() >= ending.size());
            QCOMPARE(std::vector<int>(riddleCues_.end() - static_cast<std::ptrdiff_t>(ending.size()), riddleCues_.end()),
                     ending);
            QVERIFY(DoorOpen[door]);
            QVERIFY(pieceAfterDoor_);
            QVERIFY(PieceTurn[door] >= 0);
            QCOMPARE(afterRiddle_, std::vector<int>{CueDoorOpens});
            QVERIFY(pickedUp_);
            QVERIFY(messages_.contains(Text(door == 7 ? texts::DuelWon : texts::RiddleSolved)));
        }
        for (int door = 1; door <= RoomCount; ++door) QVERIFY(DoorOpen[door]);
    }

    void theThroneRoomEndsTheGame() {
        for (int door = 1; door <= RoomCount; ++door) QVERIFY(PieceTurn[door] >= 0);
        rig_.cues.log.clear();
        EnterDoor(RoomCount + 1);
        QVERIFY(doneShown_);
        QVERIFY(!cuesAtDone_.empty());
        QCOMPARE(cuesAtDone_.back(), int(CueTriumph));
        QVERIFY(shown_.contains("TDoneWin"));
        QVERIFY(DoorOpen[RoomCount + 1]);
    }
};

QTEST_MAIN(WholeGameTest)
#include "WholeGameTest.moc"
