// SPDX-License-Identifier: GPL-3.0-or-later
// The frame's departures in three drag rooms, driven through the window as
// the mouse would: room 4 judges after a refused drop too, room 9 colours
// its squares by the balls at activation, room 11 takes the jumped ball
// off the board and the screen.
#include <QtTest>
#include <map>
#include <memory>

#include "platform/SceneWindow.h"
#include "riddles/balls/AlterationRules.h"
#include "riddles/balls/ConfusionRules.h"
#include "riddles/balls/DisappearanceRules.h"
#include "riddles/Rooms.h"
#include "state/Game.h"
#include "shell/Msg.h"
#include "support/WindowsRig.h"

using namespace tarnwick;

class DragRoomsWindowTest : public QObject {
    Q_OBJECT

private:
    testing::WindowsRig rig_;
    QStringList messages_;
    std::function<void()> play_;  // what the player does in the room

    const Picture& Art() { return rig_.windows.stage.pictures.RiddlePicture; }
    const Picture& Background() { return rig_.windows.stage.pictures.RoomBackground; }

    // Opens the room on a level and lets the player act in it.
    void Enter(TRiddleWin& room, int level, std::function<void()> play) {
        play_ = std::move(play);
        SetModalScript([&](QDialog* window) {
            if (window == rig_.windows.MessDlg) {
                messages_ << rig_.windows.MessDlg->Mess->text();
                return ModalDone;
            }
            room.Activate();
            room.Paint();
            play_();
            return ModalLeft;
        });
        room.ShowModal(level);
    }

    static BallBoardRules& Board(TRiddleWin& room) { return dynamic_cast<BallBoardRules&>(room.Rules()); }

    static void Drag(TRiddleWin& room, BoardCell from, BoardCell to) { testing::Drag(room, from, to); }

    static bool Solved(TRiddleWin& room) { return room.OKBtn->isVisibleTo(&room) && !room.EscBtn->isVisibleTo(&room); }
    static bool Unsolved(TRiddleWin& room) { return room.EscBtn->isVisibleTo(&room) && !room.OKBtn->isVisibleTo(&room); }

    // The room background's square under a field is that square of the
    // riddle picture.
    bool SquareIs(TRiddleWin& room, BoardCell cell, Pixel square) {
        const Pixel corner = room.Rules().Geometry().Corner(cell);
        return Background().Image().copy(corner.x, corner.y, 32, 32) == Art().Image().copy(square.x, square.y, 32, 32);
    }

    // The window shows the bare square at a field's centre: no ball there.
    bool BareOnScreen(TRiddleWin& room, BoardCell cell) {
        const Pixel c = room.Rules().Geometry().Centre(cell);
        return room.Canvas().Window().Image().copy(c.x - 14, c.y - 14, 28, 28) == Background().Image().copy(c.x - 14, c.y - 14, 28, 28);
    }

private slots:
    void initTestCase() {
        QVERIFY(rig_.Ready());
    }

    void cleanupTestCase() {
        SetModalScript({});
    }

    void init() {
        rig_.TakeCues();
        messages_.clear();
        rig_.State().Language = 0;
    }

    // The program makes each room from the one table; every level opens
    // with the entry message, the leave button and the level's board.
    void theFiveRoomsOpenOnEveryLevel() {
        const std::map<int, QString> titles{{2, "Kammer der Beschränkung"},
                                            {4, "Kammer der Veränderung"},
                                            {9, "Kammer des Verwechslung"},
                                            {10, "Kammer der Einsamkeit"},
                                            {11, "Kammer des Verschwindens"}};
        const std::map<int, std::vector<int>> columns{
            {2, {4, 6, 8}}, {4, {3, 3, 3}}, {9, {5, 5, 5}}, {10, {5, 6, 8}}, {11, {5, 5, 5}}};
        rig_.State().Language = 1;
        for (const auto& [n, title] : titles) {
            std::unique_ptr<TRiddleWin> room(MakeRiddleWindow(rig_.windows.stage, n));
            QVERIFY(room);
            QCOMPARE(room->objectName(), QString("TRiddle%1Win").arg(n));
            for (int level = 1; level <= 3; ++level) {
                messages_.clear();
                int balls = 0;
                Enter(*room, level, [&] {
                    balls = Board(*room).Balls();
                    QVERIFY(Unsolved(*room));
                });
                QCOMPARE(messages_.size(), 1);
                QCOMPARE(room->Level(), level);
                QCOMPARE(room->Rules().Geometry().columns, columns.at(n)[level - 1]);
                QVERIFY(balls > 0);
            }
            QCOMPARE(room->Title->text(), title);
        }
        QVERIFY(rig_.TakeCues().empty());
    }

    void room4JudgesAfterARefusedDropToo() {
        TRiddleWin& room = rig_.Room(4);
        QString seen;
        Enter(room, 1, [&] {
            // One green jump from the goal: it lands, the riddle is solved.
            Board(room).SetValues({7, 5, 7, 0, 0, 0, 5, 0, 0});
            Drag(room, {1, 0}, {2, 2});
            seen += QString("solved %1;").arg(Solved(room));
            // A refused drop in the solved position: cue 8, and cue 5 again.
            Drag(room, {0, 0}, {1, 1});
            seen += QString("still %1;").arg(Solved(room));
            // The reset leaves the buttons; the next drop, refused, takes the
            // success button away.
            room.ResetBtnClick();
            seen += QString("reset %1;").arg(Solved(room));
            Drag(room, {0, 0}, {0, 1});
            seen += QString("refused %1;").arg(Unsolved(room));
        });
        QCOMPARE(seen, QString("solved 1;still 1;reset 1;refused 1;"));
        QCOMPARE(rig_.TakeCues(), (std::vector<int>{9, 5, 8, 5, 8}));
        QCOMPARE(messages_, QStringList{"You want to enter the room of alteration. Don't let you turn around."});
        QCOMPARE(room.Title->text(), QString("Room of alteration"));
    }

    void room9ColoursItsSquaresByTheBallsWhenBuilt() {
        TRiddleWin& room = rig_.Room(9);
        QString seen;
        Enter(room, 1, [&] {
            seen += QString("%1%2%3;")
                        .arg(SquareIs(room, {0, 0}, riddle_art::RoseMarble))
                        .arg(SquareIs(room, {4, 4}, riddle_art::Ochre))
                        .arg(SquareIs(room, {2, 2}, riddle_art::Ebony));
            // A jump onto the centre changes no square until the room is built again.
            Drag(room, {0, 1}, {2, 2});
            seen += QString("%1%2;").arg(SquareIs(room, {2, 2}, riddle_art::Ebony)).arg(SquareIs(room, {0, 1}, riddle_art::RoseMarble));
            room.ShowRules();
            seen += QString("%1%2;").arg(SquareIs(room, {2, 2}, riddle_art::RoseMarble)).arg(SquareIs(room, {0, 1}, riddle_art::Ebony));
            // Straight is refused; the last jump onto the target solves it.
            Drag(room, {0, 0}, {0, 1});
            std::vector<int> last = static_cast<ConfusionRules&>(room.Rules()).Target();
            std::swap(last[12], last[1]);  // the yellow ball of (1, 0) still on the centre
            Board(room).SetValues(last);
            Drag(room, {2, 2}, {1, 0});
            seen += QString("solved %1;").arg(Solved(room));
        });
        QCOMPARE(seen, QString("111;11;11;solved 1;"));
        QCOMPARE(rig_.TakeCues(), (std::vector<int>{9, 8, 9, 5}));
        QCOMPARE(messages_.size(), 3);
        QCOMPARE(messages_[1], QString("Change the red and the yellow balls."));
        QCOMPARE(messages_[2], QString("Move as the knight would do in the chess game, one field straightly and one diagonally."));
    }

    void room11TakesTheJumpedBallAway() {
        TRiddleWin& room = rig_.Room(11);
        QString seen;
        rig_.State().Language = 1;
        Enter(room, 1, [&] {
            seen += QString("%1;").arg(BareOnScreen(room, {1, 2}));
            Drag(room, {2, 2}, {0, 2});  // the yellow ball over (1, 2)
            seen += QString("%1%2%3;")
                        .arg(BareOnScreen(room, {1, 2}))
                        .arg(BareOnScreen(room, {2, 2}))
                        .arg(Board(room).Cell({1, 2}) == 0);
            // The last jump: the yellow ball over the last one onto the centre.
            Board(room).SetValues({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8, 6, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
            room.Paint();
            Drag(room, {0, 2}, {2, 2});
            seen += QString("solved %1 %2;").arg(Solved(room)).arg(BareOnScreen(room, {1, 2}));
            // A refused drop is not judged here: the success button stays.
            room.ResetBtnClick();
            Drag(room, {1, 1}, {0, 0});
            seen += QString("after refused %1;").arg(Solved(room));
        });
        QCOMPARE(seen, QString("0;111;solved 1 1;after refused 1;"));
        QCOMPARE(rig_.TakeCues(), (std::vector<int>{9, 9, 5, 8}));
        QCOMPARE(messages_, QStringList{"Du stehst vor der Kammer des Verschwindens. Sei auf der Hut!"});
        QCOMPARE(room.Title->text(), QString("Kammer des Verschwindens"));
    }
};

QTEST_MAIN(DragRoomsWindowTest)
#include "DragRoomsWindowTest.moc"
