// SPDX-License-Identifier: GPL-3.0-or-later
// Moves taken back and made again, and the hint, in the riddle window on
// the offscreen platform: the duel's gem and the chancellor's answer taken
// back together, a solved room taken back to its leave button, a reset
// taken back, the hint's blinking fields and its message where no solution
// is left, in both languages, and the keys that do it all.
#include <QShortcut>
#include <QtTest>
#include <memory>

#include "riddles/duel/DuelRules.h"
#include "riddles/fields/KnightRules.h"
#include "riddles/frame/RoomKeys.h"
#include "state/Game.h"
#include "support/DuelPlayers.h"
#include "support/RoomMoves.h"
#include "support/WindowsRig.h"

using namespace tarnwick;

class MovesBackWindowTest : public QObject {
    Q_OBJECT

private:
    testing::ScriptedRandom scripted_;
    SeededRandom seeded_{7};
    std::unique_ptr<testing::WindowsRig> rig_;

    static bool EscShown(TRiddleWin& room) {
        return room.EscBtn->isVisibleTo(&room) && !room.OKBtn->isVisibleTo(&room);
    }
    static QImage Shown(TRiddleWin& room) { return room.surface()->canvas.Image().copy(); }
    // Triggers the room's shortcut for a key.
    static bool Press(TRiddleWin& room, const QKeySequence& key) {
        for (QShortcut* shortcut : room.findChildren<QShortcut*>())
            if (shortcut->key() == key) {
                emit shortcut->activated();
                return true;
            }
        return false;
    }

private slots:
    void initTestCase() {
        rig_ = std::make_unique<testing::WindowsRig>();
        QVERIFY(rig_->Ready());
    }
    void cleanupTestCase() { rig_.reset(); }
    void init() {
        rig_->Forget();
        rig_->game.dice.use = &seeded_;
    }

    // One click of the player's is the gem and the chancellor's answer:
    // one move taken back, from the first click and from a lost duel alike.
    void theDuelTakesBackTheGemAndTheAnswerTogether() {
        TRiddleWin& room = rig_->Room(7);
        auto& duel = dynamic_cast<DuelRules&>(room.Rules());
        seeded_.Seed(7);
        SeededRandom player(3);
        QStringList seen;
        rig_->Enter(room, 1, [&] {
            testing::Click(room, BoardCell{2, 2});
            seen << QString("answered %1").arg(CountCells(duel.Board(), ownComputer) > 0);
            rig_->TakeCues();
            room.Undo();
            seen << QString("back %1 %2").arg(duel.Board() == DuelBoard{}).arg(duel.State() == dsOpening);
            room.Redo();
            seen << QString("again %1").arg(CountCells(duel.Board(), ownComputer) > 0);
            DuelBoard before;
            for (int move = 0; move < 200 && duel.Judge() == Verdict::Undecided; ++move) {
                before = duel.Board();
                const BoardCell cell = testing::RandomPlayerMove(duel.Board(), player);
                testing::Click(room, cell);
            }
            seen << QString("lost %1 %2").arg(duel.Judge() == Verdict::Lost).arg(EscShown(room));
            rig_->TakeCues();
            room.Undo();
            seen << QString("before %1 %2 %3").arg(duel.Board() == before).arg(duel.State() == dsRunning).arg(EscShown(room));
            seen << QString("play on %1").arg(duel.NextMove().kind == Hint::Move);
            room.Redo();
            seen << QString("lost again %1 %2").arg(duel.State() == dsComputerWon).arg(EscShown(room));
            seen << QString("silent %1").arg(rig_->TakeCues().empty());
            return ModalLeft;
        });
        QCOMPARE(seen, (QStringList{"answered 1", "back 1 1", "again 1", "lost 1 1", "before 1 1 1", "play on 1",
                                    "lost again 1 1", "silent 1"}));
    }

    // A solved room taken back shows the leave button again, made again
    // the success button; a reset in the solved room is taken back too, and
    // made again shows the start with the button as it stood.
    void aSolvedRoomTakenBackShowsTheLeaveButton() {
        TRiddleWin& room = rig_->Room(4);
        QStringList seen;
        rig_->Enter(room, 1, [&] {
            const QImage start = Shown(room);
            for (int move = 0; move < 40 && EscShown(room); ++move) testing::PlayWithTheMouse(room, room.Rules().NextMove());
            const QImage solved = Shown(room);
            seen << QString("solved %1 cue %2").arg(!EscShown(room)).arg(rig_->TakeCues().back());
            room.Undo();
            seen << QString("back %1 %2").arg(EscShown(room)).arg(Shown(room) != solved);
            room.Redo();
            seen << QString("again %1 %2").arg(!EscShown(room)).arg(Shown(room) == solved);
            room.ResetBtnClick();
            seen << QString("reset %1 %2").arg(!EscShown(room)).arg(Shown(room) == start);
            room.Undo();
            seen << QString("reset back %1 %2").arg(!EscShown(room)).arg(Shown(room) == solved);
            room.Redo();
            seen << QString("reset again %1 %2").arg(!EscShown(room)).arg(Shown(room) == start);
            seen << QString("silent %1").arg(rig_->TakeCues().empty());
            // Taken back to the entry, and no further.
            for (int move = 0; move < 40; ++move) room.Undo();
            seen << QString("entry %1 %2").arg(EscShown(room)).arg(Shown(room) == start);
            return ModalLeft;
        });
        QCOMPARE(seen, (QStringList{"solved 1 cue 5", "back 1 1", "again 1 1", "reset 1 1", "reset back 1 1",
                                    "reset again 1 1", "silent 1", "entry 1 1"}));
    }

    // The hint blinks the fields of its move three times, the ball's field
    // then its next one, plays no cue and leaves the room as it stood.
    // Nothing is taken back or hinted while a ball is held.
    void theHintBlinksItsMoveAndChangesNothing() {
        TRiddleWin& room = rig_->Room(5);
        QStringList seen;
        rig_->Enter(room, 1, [&] {
            const QImage before = Shown(room);
            const std::string position = testing::Describe(room.Rules());
            rig_->TakeWaits();
            room.ShowHint();
            std::vector<int> blinks;
            for (int i = 0; i < 6; ++i) blinks.insert(blinks.end(), {150, 100});  // three times, two fields
            seen << QString("waits %1").arg(rig_->TakeWaits() == blinks);
            seen << QString("unchanged %1 %2").arg(Shown(room) == before).arg(testing::Describe(room.Rules()) == position);
            testing::PlayWithTheMouse(room, room.Rules().NextMove());
            const std::string moved = testing::Describe(room.Rules());
            const Pixel ball = room.Rules().Geometry().Centre({2, 1});
            room.MouseDown(ball.x, ball.y);
            room.Undo();
            room.ShowHint();
            seen << QString("held %1 %2").arg(testing::Describe(room.Rules()) == moved).arg(rig_->TakeWaits().empty());
            room.MouseUp(ball.x, ball.y);
            room.Undo();
            seen << QString("back %1").arg(testing::Describe(room.Rules()) == position);
            seen << QString("cues %1").arg(rig_->TakeCues() == std::vector<int>{9});
            return ModalLeft;
        });
        QCOMPARE(seen, (QStringList{"waits 1", "unchanged 1 1", "held 1 1", "back 1", "cues 1"}));
    }

    // Where no solution is left, the message window says so in the
    // player's language; a solved room says it is solved.
    void whereNoSolutionIsLeftTheMessageSaysSo() {
        rig_->game.dice.use = &scripted_;
        TRiddleWin& room = rig_->Room(3);
        for (int language : {0, 1}) {
            rig_->State().Language = language;
            scripted_.values = {0, 1};  // (0, 1) of the 5 x 5 board: no tour
            rig_->messages.clear();
            rig_->Enter(room, 1, [&] {
                room.ShowHint();
                return ModalLeft;
            });
            QCOMPARE(rig_->messages.size(), 2);
            QCOMPARE(rig_->messages.last(),
                     language == 1 ? QString("Von hier aus gibt es keine Lösung mehr. Nimm Züge mit Strg+Z zurück "
                                             "oder fang mit dem Knopf \"Ich probier's nochmal\" von vorne an.")
                                   : QString("There is no solution left from here. Take moves back with Ctrl+Z, or "
                                             "start again with the button \"I'll try it again\"."));
        }
        TRiddleWin& cuts = rig_->Room(12);
        rig_->State().Language = 0;
        rig_->messages.clear();
        rig_->Enter(cuts, 1, [&] {
            for (int move = 0; move < 20 && EscShown(cuts); ++move) testing::PlayWithTheMouse(cuts, cuts.Rules().NextMove());
            cuts.ShowHint();
            return ModalDone;
        });
        QCOMPARE(rig_->messages.last(), QString("The riddle is solved. Take your piece of the chess board!"));
    }

    // Ctrl+Z, Ctrl+Y, Ctrl+Shift+Z and H, named in the rules button's tool
    // tip in both languages.
    void theKeysAndTheirToolTip() {
        TRiddleWin& room = rig_->Room(1);
        QStringList seen;
        rig_->Enter(room, 1, [&] {
            const std::string start = testing::Describe(room.Rules());
            testing::PlayWithTheMouse(room, room.Rules().NextMove());
            const std::string moved = testing::Describe(room.Rules());
            seen << QString("undo %1").arg(Press(room, QKeySequence("Ctrl+Z")) && testing::Describe(room.Rules()) == start);
            seen << QString("redo %1").arg(Press(room, QKeySequence("Ctrl+Y")) && testing::Describe(room.Rules()) == moved);
            room.Undo();
            seen << QString("redo %1").arg(Press(room, QKeySequence("Ctrl+Shift+Z")) &&
                                           testing::Describe(room.Rules()) == moved);
            rig_->TakeWaits();
            seen << QString("hint %1").arg(Press(room, QKeySequence("H")) && !rig_->TakeWaits().empty());
            return ModalLeft;
        });
        QCOMPARE(seen, (QStringList{"undo 1", "redo 1", "redo 1", "hint 1"}));
        for (int language : {0, 1}) {
            rig_->State().Language = language;
            room.Activate();
            QCOMPARE(room.HelpBtn->toolTip(),
                     language == 1 ? QString("Was muß ich da machen?\nStrg+Z nimmt einen Zug zurück, Strg+Y oder "
                                             "Strg+Umschalt+Z macht ihn wieder, H zeigt Dir den nächsten Zug.")
                                   : QString("What's to do here?\nCtrl+Z takes a move back, Ctrl+Y or Ctrl+Shift+Z "
                                             "makes it again, H shows you the next move."));
        }
    }
};

QTEST_MAIN(MovesBackWindowTest)
#include "MovesBackWindowTest.moc"
