// SPDX-License-Identifier: GPL-3.0-or-later
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
#include "shell/GameWindows.h"
#include "shell/Main.h"
#include "shell/Msg.h"
#include "state/Texts.h"
#include "platform/Zoom.h"
#include "support/GameRig.h"
#include "support/WindowsRig.h"
#include "support/WholeGame.h"
#include "throne/Chess.h"
#include "throne/Done.h"

using namespace tarnwick;
namespace solve = tarnwick::testing;

namespace {

// The seed of the whole game: the deals, the spells and the duel.
constexpr std::uint64_t Seed = 2026;

}  // namespace

class WholeGameTest : public QObject {
    Q_OBJECT

private:
    solve::GameRig rig_;
    SeededRandom dice_{Seed};
    std::unique_ptr<GameWindows> windows_;
    Game& State() { return windows_->game; }
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
        solverFound_ = solve::SolveWithTheMouse(room);
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
        if (!solve::LayTheBoard(chess, State()) || chess.OKBtn->isHidden()) return ModalLeft;
        chess.OKBtn->click();
        return chess.result();
    }

    void EnterDoor(int door) {
        const Cell cell = DoorCell(door);
        State().PlayerCol = cell.col;
        State().PlayerRow = cell.row;
        windows_->MainForm->box->EnterDoor();
    }

private slots:
    void initTestCase() {
        windows_ = std::make_unique<GameWindows>(rig_.clock, dice_, rig_.cues);
        QVERIFY(windows_->MakeAll());
        windows_->MainForm->soundbtn->setChecked(true);
        // The game played at the size the test command asks for: a zoom,
        // or full screen.
        solve::Show(*windows_);
        const QByteArray size = qgetenv("TARNWICK_TEST_SIZE");
        if (size == "full") {
            windows_->MainForm->ToggleFullScreen();
        } else if (!size.isEmpty()) {
            SetGameZoom(size.toInt());
        }
        SetModalScript([this](QDialog* window) {
            if (window == windows_->MessDlg) {
                messages_ << windows_->MessDlg->Mess->text();
                return ModalDone;
            }
            if (auto* riddle = dynamic_cast<TRiddleWin*>(window)) return Riddle(*riddle);
            if (window == windows_->PuzzleWin) return DoorRoom(*windows_->PuzzleWin);
            if (window == windows_->ChessWin) return Throne(*windows_->ChessWin);
            shown_ << window->objectName();
            if (window == windows_->DoneWin) {
                doneShown_ = true;
                cuesAtDone_ = rig_.cues.Played();
            }
            return ModalDone;
        });
        State().Language = 0;
        windows_->MainForm->NewGame();
    }

    void cleanupTestCase() {
        SetModalScript({});
        windows_.reset();
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
            QVERIFY(State().DoorOpen[door]);
            QVERIFY(pieceAfterDoor_);
            QVERIFY(State().PieceTurn[door] >= 0);
            QCOMPARE(afterRiddle_, std::vector<int>{CueDoorOpens});
            QVERIFY(pickedUp_);
            QVERIFY(messages_.contains(windows_->stage.Text(door == 7 ? texts::DuelWon : texts::RiddleSolved)));
        }
        for (int door = 1; door <= RoomCount; ++door) QVERIFY(State().DoorOpen[door]);
    }

    void theThroneRoomEndsTheGame() {
        for (int door = 1; door <= RoomCount; ++door) QVERIFY(State().PieceTurn[door] >= 0);
        rig_.cues.log.clear();
        EnterDoor(RoomCount + 1);
        QVERIFY(doneShown_);
        QVERIFY(!cuesAtDone_.empty());
        QCOMPARE(cuesAtDone_.back(), int(CueTriumph));
        QVERIFY(shown_.contains("TDoneWin"));
        QVERIFY(State().DoorOpen[RoomCount + 1]);
    }
};

QTEST_MAIN(WholeGameTest)
#include "WholeGameTest.moc"
