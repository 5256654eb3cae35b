// The frame's departures in three drag rooms, driven through the window as
// the mouse would: room 4 judges after a refused drop too, room 9 colours
// its squares by the balls at activation, room 11 takes the jumped ball
// off the board and the screen. Pictures come from the program's folder;
// no main window is made.
#include <QtTest>
#include <map>
#include <memory>

#include "platform/SceneWindow.h"
#include "riddles/AlterationRules.h"
#include "riddles/ConfusionRules.h"
#include "riddles/DisappearanceRules.h"
#include "riddles/Riddle11.h"
#include "riddles/Riddle4.h"
#include "riddles/Riddle9.h"
#include "riddles/RiddleRooms.h"
#include "shell/GameState.h"
#include "shell/Msg.h"
#include "support/GameRig.h"

using namespace tarnwick;

class DragRoomsWindowTest : public QObject {
    Q_OBJECT

private:
    testing::GameRig rig_;
    Picture art_, room_, dragSave_;
    std::unique_ptr<TMessDlg> mess_;
    std::vector<int> cues_;
    QStringList messages_;
    std::function<void()> play_;  // what the player does in the room

    void Furnish(TRiddleWin& room) {
        room.UsePictures({&art_, &room_, &dragSave_});
        room.UseCues([this](int cue) { cues_.push_back(cue); });
    }

    // Opens the room on a level and lets the player act in it.
    void Enter(TRiddleWin& room, int level, std::function<void()> play) {
        play_ = std::move(play);
        SetModalScript([&](QDialog* window) {
            if (window == mess_.get()) {
                messages_ << mess_->Mess->text();
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

    static void Drag(TRiddleWin& room, BoardCell from, BoardCell to) {
        const Pixel a = room.Rules().Geometry().Centre(from), b = room.Rules().Geometry().Centre(to);
        room.MouseDown(a.x, a.y);
        room.MouseMove((a.x + b.x) / 2, (a.y + b.y) / 2);
        room.MouseMove(b.x, b.y);
        room.MouseUp(b.x, b.y);
    }

    static bool Solved(TRiddleWin& room) { return room.OKBtn->isVisibleTo(&room) && !room.EscBtn->isVisibleTo(&room); }
    static bool Unsolved(TRiddleWin& room) { return room.EscBtn->isVisibleTo(&room) && !room.OKBtn->isVisibleTo(&room); }

    // The room background's square under a field is that square of the
    // riddle picture.
    bool SquareIs(TRiddleWin& room, BoardCell cell, Pixel square) {
        const Pixel corner = room.Rules().Geometry().Corner(cell);
        return room_.Image().copy(corner.x, corner.y, 32, 32) == art_.Image().copy(square.x, square.y, 32, 32);
    }

    // The window shows the bare square at a field's centre: no ball there.
    bool BareOnScreen(TRiddleWin& room, BoardCell cell) {
        const Pixel c = room.Rules().Geometry().Centre(cell);
        return room.Canvas().Window().Image().copy(c.x - 14, c.y - 14, 28, 28) == room_.Image().copy(c.x - 14, c.y - 14, 28, 28);
    }

private slots:
    void initTestCase() {
        QVERIFY(art_.LoadBmp(PROGRAM_DIR "b2.bmp"));
        room_.Create(320, 380);
        dragSave_.Create(54, 54);
        mess_ = std::make_unique<TMessDlg>();
        MessDlg = mess_.get();
    }

    void cleanupTestCase() {
        SetModalScript({});
        MessDlg = nullptr;
        mess_.reset();
    }

    void init() {
        cues_.clear();
        messages_.clear();
        Language = 0;
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
        Language = 1;
        for (const auto& [n, title] : titles) {
            std::unique_ptr<TRiddleWin> room(MakeRiddleWindow(n));
            QVERIFY(room);
            QCOMPARE(room->objectName(), QString("TRiddle%1Win").arg(n));
            QCOMPARE(RiddleWindows[n], room.get());
            Furnish(*room);
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
        QVERIFY(cues_.empty());
    }

    void room4JudgesAfterARefusedDropToo() {
        TRiddle4Win room;
        Furnish(room);
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
        QCOMPARE(cues_, (std::vector<int>{9, 5, 8, 5, 8}));
        QCOMPARE(messages_, QStringList{"You want to enter the room of alteration. Don't let you turn around."});
        QCOMPARE(room.Title->text(), QString("Room of alteration"));
    }

    void room9ColoursItsSquaresByTheBallsWhenBuilt() {
        TRiddle9Win room;
        Furnish(room);
        QString seen;
        Enter(room, 1, [&] {
            seen += QString("%1%2%3;")
                        .arg(SquareIs(room, {0, 0}, {32, 256}))
                        .arg(SquareIs(room, {4, 4}, {128, 256}))
                        .arg(SquareIs(room, {2, 2}, {0, 288}));
            // A jump onto the centre changes no square until the room is built again.
            Drag(room, {0, 1}, {2, 2});
            seen += QString("%1%2;").arg(SquareIs(room, {2, 2}, {0, 288})).arg(SquareIs(room, {0, 1}, {32, 256}));
            room.ShowRules();
            seen += QString("%1%2;").arg(SquareIs(room, {2, 2}, {32, 256})).arg(SquareIs(room, {0, 1}, {0, 288}));
            // Straight is refused; the last jump onto the target solves it.
            Drag(room, {0, 0}, {0, 1});
            std::vector<int> last = static_cast<ConfusionRules&>(room.Rules()).Target();
            std::swap(last[12], last[1]);  // the yellow ball of (1, 0) still on the centre
            Board(room).SetValues(last);
            Drag(room, {2, 2}, {1, 0});
            seen += QString("solved %1;").arg(Solved(room));
        });
        QCOMPARE(seen, QString("111;11;11;solved 1;"));
        QCOMPARE(cues_, (std::vector<int>{9, 8, 9, 5}));
        QCOMPARE(messages_.size(), 3);
        QCOMPARE(messages_[1], QString("Change the red and the yellow balls."));
        QCOMPARE(messages_[2], QString("Move as the knight would do in the chess game, one field straightly and one diagonally."));
    }

    void room11TakesTheJumpedBallAway() {
        TRiddle11Win room;
        Furnish(room);
        QString seen;
        Language = 1;
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
        QCOMPARE(cues_, (std::vector<int>{9, 9, 5, 8}));
        QCOMPARE(messages_, QStringList{"Du stehst vor der Kammer des Verschwindens. Sei auf der Hut!"});
        QCOMPARE(room.Title->text(), QString("Kammer des Verschwindens"));
    }
};

QTEST_MAIN(DragRoomsWindowTest)
#include "DragRoomsWindowTest.moc"
