// SPDX-License-Identifier: GPL-3.0-or-later
// The riddle frame with room 1 and the door room in front of it, on the
// offscreen platform, with a counting clock, recorded cues and scripted
// modal windows.
#include <QtTest>
#include <memory>

#include "labyrinth/Maze.h"
#include "labyrinth/Puzzle.h"
#include "platform/SceneWindow.h"
#include "platform/System.h"
#include "riddles/balls/BallBoardView.h"
#include "state/Game.h"
#include "shell/Main.h"
#include "shell/Msg.h"
#include "shell/Yesno.h"
#include "support/WindowsRig.h"
#include "throne/ChessTable.h"

using namespace tarnwick;

class RiddleWindowTest : public QObject {
    Q_OBJECT

private:
    testing::WindowsRig rig_;
    RiddleWindowTable riddles_{};  // room 1 only
    std::unique_ptr<TPuzzleWin> puzzle_;
    TRiddleWin* riddle_ = nullptr;
    QStringList shown_;       // modal windows in order, messages with their text
    std::function<int(QDialog*)> play_;  // what the player does in the riddle

    QPoint Centre(int c, int r) { return {86 + 32 * c, 156 + 32 * r}; }

    void Drag(int fc, int fr, int tc, int tr) {
        const QPoint a = Centre(fc, fr), b = Centre(tc, tr);
        riddle_->MouseDown(a.x(), a.y());
        riddle_->MouseMove((a.x() + b.x()) / 2, (a.y() + b.y()) / 2);
        riddle_->MouseMove(b.x(), b.y());
        riddle_->MouseUp(b.x(), b.y());
    }

    // Checks a field of room 1's board; a mismatch is noted for the test.
    void ExpectBall(int c, int r, int kind) {
        if (dynamic_cast<BallBoardRules&>(riddle_->Rules()).Cell({c, r}) != kind) shown_ << QString("wrong ball at %1,%2").arg(c).arg(r);
    }

    Game& State() { return rig_.State(); }

    void InstallScript() {
        SetModalScript([this](QDialog* window) {
            if (window == rig_.windows.MessDlg) {
                shown_ << "message: " + rig_.windows.MessDlg->Mess->text();
                return ModalDone;
            }
            shown_ << window->objectName();
            if (auto* riddle = dynamic_cast<TRiddleWin*>(window)) {
                riddle->Activate();
                riddle->Paint();
                return play_ ? play_(window) : ModalLeft;
            }
            return ModalLeft;
        });
    }

private slots:
    void initTestCase() {
        QVERIFY(rig_.Ready());
        riddle_ = &rig_.Room(1);
        riddles_[1] = riddle_;
        puzzle_ = std::make_unique<TPuzzleWin>(rig_.windows.stage, riddles_);
        QVERIFY(puzzle_->FormCreate());
        InstallScript();
    }

    void cleanupTestCase() {
        SetModalScript({});
        riddle_ = nullptr;
        puzzle_.reset();
    }

    void init() {
        shown_.clear();
        rig_.game.cues.log.clear();
        play_ = nullptr;
        for (auto& d : State().DoorOpen) d = false;
        for (int n = 1; n <= 12; ++n) State().PieceTurn[n] = -1;
        rig_.State().Language = 0;
    }

    void everyEntryShowsTheMessageAndStartsAfresh() {
        play_ = [this](QDialog*) {
            Drag(0, 1, 1, 2);
            return ModalLeft;
        };
        QCOMPARE(riddle_->ShowModal(1), ModalLeft);
        play_ = [this](QDialog*) {
            // The start position again, not the moved ball.
            ExpectBall(0, 1, 5);
            return ModalLeft;
        };
        QCOMPARE(riddle_->ShowModal(1), ModalLeft);
        QVERIFY(!shown_.join(' ').contains("wrong ball"));
        QCOMPARE(shown_.size(), 4);
        QVERIFY(shown_[0].startsWith("message: "));
        QCOMPARE(shown_[1], QString("TRiddle1Win"));
        QCOMPARE(shown_[2], shown_[0]);
        QCOMPARE(riddle_->Title->text(), QString("Room of entangling"));
        QVERIFY(riddle_->HelpBtn->toolTip().startsWith("What's to do here?\nCtrl+Z takes a move back"));
    }

    void aRefusedDropReturnsTheBallWithCue8() {
        play_ = [this](QDialog*) {
            const QImage before = riddle_->surface()->canvas.Image().copy();
            Drag(0, 1, 2, 1);  // straight, not diagonal
            Drag(0, 1, 4, 1);  // onto a ball
            const QPoint a = Centre(0, 1);
            riddle_->MouseDown(a.x(), a.y());
            riddle_->MouseMove(5, 5);
            riddle_->MouseUp(5, 5);  // off the board
            // The ball is back and the window shows exactly what it showed.
            ExpectBall(0, 1, 5);
            if (riddle_->surface()->canvas.Image() != before) shown_ << "picture changed";
            if (!riddle_->EscBtn->isVisibleTo(riddle_)) shown_ << "buttons changed";
            return ModalLeft;
        };
        riddle_->ShowModal(1);
        QCOMPARE(rig_.game.cues.Played(), (std::vector<int>{8, 8, 8}));
        QVERIFY(!shown_.contains("picture changed"));
        QVERIFY(!shown_.contains("buttons changed"));
    }

    void anAcceptedMovePlaysCue9AndTheRightButtonDragsToo() {
        play_ = [this](QDialog*) {
            const QPoint a = Centre(0, 1), b = Centre(1, 2);
            riddle_->MouseDown(a.x(), a.y());
            riddle_->MouseUp(b.x(), b.y());
            ExpectBall(1, 2, 5);
            ExpectBall(0, 1, 0);
            return ModalLeft;
        };
        riddle_->ShowModal(1);
        QCOMPARE(rig_.game.cues.Played(), std::vector<int>{9});
        QVERIFY(!shown_.join(' ').contains("wrong ball"));
    }

    // A room of the frame's own making: one ball, solved on the right field.
    void theSolvedStateComesAndGoesWithTheMoves() {
        struct OneMove : CopyableRoom<OneMove, BallBoardRules> {
            BiText RoomName() const override { return {"Probe", "Probe"}; }
            Hint NextMove() const override { return Hint::Of(Hint::NoWay); }
            BiText EntryMessage() const override { return {"Hinein", "In"}; }
            std::vector<BiText> RulesMessages() const override { return {{"a", "one"}, {"b", "two"}}; }
            bool IsSolved() const override { return Cell({1, 0}) != 0; }
            void SetUpLevel(int) override {
                SetBoard({100, 100, 2, 1});
                SetCell({0, 0}, 1);
            }
        };
        TRiddleWin room(rig_.windows.stage, 3, MakeRoom<BallBoardView>(std::make_unique<OneMove>(),
                                                   BallBoardView::Chequered({64, 256}, {64, 256}),
                                                   BallBoardView::Shifted(3)));
        play_ = [&](QDialog*) {
            room.MouseDown(116, 116);
            room.MouseMove(148, 116);
            room.MouseUp(148, 116);
            const bool okAfterSolve = room.OKBtn->isVisibleTo(&room) && !room.EscBtn->isVisibleTo(&room);
            room.ResetBtnClick();  // back to the start, the success button stays
            const bool okAfterReset = room.OKBtn->isVisibleTo(&room);
            room.MouseDown(116, 116);
            room.MouseUp(116, 116);  // back onto its own field: a move, judged unsolved
            const bool escAgain = room.EscBtn->isVisibleTo(&room) && !room.OKBtn->isVisibleTo(&room);
            shown_ << QString("ok %1 %2 %3").arg(okAfterSolve).arg(okAfterReset).arg(escAgain);
            room.ShowRules();
            return ModalDone;
        };
        QCOMPARE(room.ShowModal(2), ModalDone);
        QVERIFY(shown_.contains("ok 1 1 1"));
        QCOMPARE(rig_.game.cues.Played(), (std::vector<int>{9, 5, 9}));
        QVERIFY(shown_.contains("message: one"));
        QVERIFY(shown_.contains("message: two"));
        QCOMPARE(room.Level(), 2);
    }

    void theDoorRoomTurnsASolvedRiddleIntoAnOpenDoor() {
        // A riddle left unsolved: cue 4, the failure text, the door shut.
        puzzle_->ShowModal(1);
        QCOMPARE(puzzle_->DoorState, (unsigned char)0);
        puzzle_->Mousedown(200, 150);
        QVERIFY(!State().DoorOpen[1]);
        QCOMPARE(rig_.game.cues.Played(), std::vector<int>{4});
        QCOMPARE(shown_.last(), QString("message: You will never do it, worm. Don't exert yourself!"));

        // Solved (the player leaves through the success button).
        rig_.game.cues.log.clear();
        play_ = [](QDialog*) { return ModalDone; };
        puzzle_->Mousedown(151, 91);
        QVERIFY(State().DoorOpen[1]);
        QCOMPARE(puzzle_->DoorState, (unsigned char)1);
        QVERIFY(State().PieceTurn[1] >= 0);
        QCOMPARE(rig_.game.cues.Played(), std::vector<int>{3});
        QCOMPARE(shown_.last(),
                 QString("message: Damn, you have solved the riddle. You find one piece of the chess board."));

        // The piece is picked up: cue 10, the stones show.
        rig_.game.cues.log.clear();
        puzzle_->Mousedown(190, 200);
        QCOMPARE(puzzle_->DoorState, (unsigned char)2);
        QCOMPARE(rig_.game.cues.Played(), std::vector<int>{10});

        // Stone riddles change nothing, solved or not; between stones nothing opens.
        const int placed = State().PieceCol[1];
        rig_.game.cues.log.clear();
        shown_.clear();
        puzzle_->Mousedown(190, 185);
        QVERIFY(shown_.isEmpty());
        riddle_->Rules().InitLevel(1);
        puzzle_->Mousedown(200, 210);  // stone 3
        QCOMPARE(riddle_->Level(), 3);
        play_ = [](QDialog*) { return ModalLeft; };
        puzzle_->Mousedown(200, 185);  // stone 2
        QCOMPARE(riddle_->Level(), 2);
        QVERIFY(State().DoorOpen[1]);
        QCOMPARE(State().PieceCol[1], placed);
        QVERIFY(rig_.game.cues.Played().empty());

        // The next visit starts with the stones.
        puzzle_->ShowModal(1);
        QCOMPARE(puzzle_->DoorState, (unsigned char)2);
    }

    void aClickOnTheBoundLeavesTheRoom() {
        int left = 0;
        SetModalScript([&](QDialog* window) {
            if (window != puzzle_.get()) return ModalLeft;
            puzzle_->Mousedown(150, 150);
            left += puzzle_->result() == ModalLeft;
            puzzle_->Mousedown(260, 150);
            left += puzzle_->result() == ModalLeft;
            return ModalLeft;
        });
        puzzle_->ShowModal(2);
        QCOMPARE(left, 2);
        // This door room knows no riddle window of room 2: a click on its door opens nothing.
        shown_.clear();
        SetModalScript([this](QDialog* window) {
            shown_ << window->objectName();
            return ModalLeft;
        });
        puzzle_->Mousedown(200, 150);
        QVERIFY(shown_.isEmpty());
        QVERIFY(!State().DoorOpen[2]);
        InstallScript();
    }
};

QTEST_MAIN(RiddleWindowTest)
#include "RiddleWindowTest.moc"
