// SPDX-License-Identifier: GPL-3.0-or-later
// Rooms 5, 6 and 12 on the offscreen platform, played with the mouse: the
// push room's stepping ball, the room of sayings' typed line, the room of
// separation's cut lines; cues, buttons and what the window shows.
#include <QtTest>
#include <memory>

#include "platform/SceneWindow.h"
#include "riddles/corridors/DisplacementRules.h"
#include "riddles/Rooms.h"
#include "riddles/sayings/SayingsRules.h"
#include "state/Game.h"
#include "shell/Msg.h"
#include "support/WindowsRig.h"

using namespace tarnwick;

class PushClickRoomsWindowTest : public QObject {
    Q_OBJECT

private:
    testing::WindowsRig rig_;
    QStringList messages_;

    const Picture& Art() { return rig_.windows.stage.pictures.RiddlePicture; }
    std::vector<int> Cues() { return rig_.TakeCues(); }

    // Enters a room: the entry message, then the room is built and painted
    // and the test plays on in it.
    void Enter(TRiddleWin& room, int level) {
        messages_.clear();
        room.ShowModal(level);
        rig_.TakeCues();
    }

    static bool Visible(QWidget* button) { return button->isVisibleTo(button->parentWidget()); }
    static bool Solved(TRiddleWin& room) { return Visible(room.OKBtn) && !Visible(room.EscBtn); }

    // Whether the window shows a square of the riddle picture at (x, y).
    static bool Shows(TRiddleWin& room, const Picture& art, int x, int y, Pixel from, int size) {
        return room.surface()->canvas.Image().copy(x, y, size, size) == art.Image().copy(from.x, from.y, size, size);
    }

    // Whether a field on the window shows a pixel of this colour.
    static bool Holds(TRiddleWin& room, Pixel corner, QRgb colour) {
        const QImage field = room.surface()->canvas.Image().copy(corner.x, corner.y, 32, 32);
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                if (field.pixel(x, y) == colour) return true;
        return false;
    }

private slots:
    void initTestCase() {
        QVERIFY(rig_.Ready());
        SetModalScript([this](QDialog* window) {
            if (window == rig_.windows.MessDlg) {
                messages_ << rig_.windows.MessDlg->Mess->text();
                return ModalDone;
            }
            if (auto* riddle = dynamic_cast<TRiddleWin*>(window)) {
                riddle->Activate();
                riddle->Paint();
            }
            return ModalLeft;
        });
    }

    void cleanupTestCase() {
        SetModalScript({});
    }

    void init() { rig_.State().Language = 0; }

    void theDoorRoomsFindTheirRiddles() {
        for (int number : {5, 6, 12}) {
            std::unique_ptr<TRiddleWin> room(MakeRiddleWindow(rig_.windows.stage, number));
            QVERIFY(room);
            QCOMPARE(room->objectName(), QString("TRiddle%1Win").arg(number));
        }
    }

    void thePushRoomStepsTheBallUnderTheMouse() {
        TRiddleWin& room = rig_.Room(5);
        Enter(room, 1);
        QCOMPARE(messages_, QStringList{"You want to enter the room of displacement. Don't let you push away."});
        QCOMPARE(room.OKBtn->objectName(), QString("OkBtn"));
        QCOMPARE(room.Title->text(), QString("Room of displacement"));
        const auto centre = [](int c, int r) { return QPoint(38 + 32 * c + 16, 108 + 32 * r + 16); };

        // Red from (2, 2) up and along the corridor; diagonal and far moves wait.
        room.MouseDown(centre(2, 2).x(), centre(2, 2).y());
        room.MouseMove(centre(3, 1).x(), centre(3, 1).y());  // diagonal
        room.MouseMove(centre(2, 1).x(), centre(2, 1).y());
        room.MouseMove(centre(4, 1).x(), centre(4, 1).y());  // two fields ahead
        room.MouseMove(centre(3, 1).x(), centre(3, 1).y());
        room.MouseMove(5, 5);                                 // off the board
        room.MouseUp(5, 5);
        QCOMPARE(Cues(), (std::vector<int>{9, 9}));
        QVERIFY(!Solved(room));
        // The ball stands opaque on its black corridor square, the field it left is bare corridor.
        QVERIFY(Shows(room, Art(), 38 + 2 + 32 * 3, 108 + 2 + 32, {28 * DisplacementRules::Red, 320}, 28));
        QVERIFY(Shows(room, Art(), 38 + 64, 108 + 64, {192, 256}, 32));

        // One step before the goal: the last step solves with cues 9 and 5.
        auto& rules = dynamic_cast<DisplacementRules&>(room.Rules());
        std::vector<int> nearlyDone(42, DisplacementRules::Wall);
        for (int c = 1; c <= 5; ++c) nearlyDone[7 + c] = DisplacementRules::Corridor;
        for (int r = 2; r <= 4; ++r) {
            nearlyDone[7 * r + 2] = DisplacementRules::Green;
            nearlyDone[7 * r + 4] = DisplacementRules::Red;
        }
        nearlyDone[7 * 2 + 4] = DisplacementRules::Corridor;
        nearlyDone[7 * 1 + 4] = DisplacementRules::Red;
        rules.SetValues(nearlyDone);
        rig_.TakeCues();
        room.MouseDown(centre(4, 1).x(), centre(4, 1).y());
        room.MouseMove(centre(4, 2).x(), centre(4, 2).y());
        room.MouseUp(centre(4, 2).x(), centre(4, 2).y());
        QCOMPARE(Cues(), (std::vector<int>{9, 5}));
        QVERIFY(Solved(room));

        // Reset keeps the success button; a press and release without a step
        // is judged and takes it away, silently.
        room.ResetBtnClick();
        QVERIFY(Solved(room));
        rig_.TakeCues();
        room.MouseDown(centre(2, 3).x(), centre(2, 3).y());
        room.MouseUp(centre(2, 3).x(), centre(2, 3).y());
        QVERIFY(!Solved(room));
        QVERIFY(Cues().empty());

        rig_.State().Language = 1;
        Enter(room, 3);
        messages_.clear();
        room.ShowRules();
        QCOMPARE(messages_, (QStringList{"Verschiebe die Kugeln in den schwarzen Gängen. Laß die roten und die grünen "
                                         "Kugeln ihre Plätze wechseln. ",
                                         "Verlaß die gelben Kugeln dort, wo Du sie angefunden hast."}));
    }

    void theRoomOfSayingsSpellsEverySayingInBothLanguages() {
        TRiddleWin& room = rig_.Room(6);
        auto* spell = room.findChild<QLabel*>("spell");
        QVERIFY(spell);
        QCOMPARE(spell->geometry(), QRect(20, 296, 261, 53));
        QCOMPARE(room.OKBtn->objectName(), QString("OkBtn"));
        for (int language : {1, 0}) {
            rig_.State().Language = language;
            for (int level = 1; level <= 3; ++level) {
                Enter(room, level);
                auto& rules = dynamic_cast<SayingsRules&>(room.Rules());
                const BoardGeometry& g = rules.Geometry();
                // Black letters on the light squares, white ones on the dark.
                QVERIFY(Holds(room, g.Corner({0, 0}), 0xff000000u));
                QVERIFY(!Holds(room, g.Corner({0, 0}), 0xffffffffu));
                QVERIFY(Holds(room, g.Corner({1, 0}), 0xffffffffu));
                QVERIFY(!Holds(room, g.Corner({1, 0}), 0xff000000u));
                std::vector<int> expected;
                for (int n = 1; n <= g.Cells(); ++n) {
                    for (int i = 0; i < g.Cells(); ++i) {
                        const BoardCell cell{i % g.columns, i / g.columns};
                        if (rules.LetterNumber(cell) != n) continue;
                        const Pixel centre = g.Centre(cell);
                        room.MouseDown(centre.x, centre.y);
                        room.MouseUp(centre.x, centre.y);
                        // The clicked letter is gone: the bare square shows.
                        const Pixel corner = g.Corner(cell);
                        QCOMPARE(room.surface()->canvas.Image().copy(corner.x, corner.y, 32, 32),
                                 room.Canvas().Room().Image().copy(corner.x, corner.y, 32, 32));
                    }
                    expected.push_back(9);
                }
                expected.push_back(5);
                QCOMPARE(Cues(), expected);
                QVERIFY(Solved(room));
                const QString saying = QString::fromUtf8(language == 1 ? SayingsRules::SayingOf(level).german
                                                                       : SayingsRules::SayingOf(level).english);
                QCOMPARE(spell->text(), saying);
                // The whole line fits the label, wrapped by words.
                const QRect needed = QFontMetrics(spell->font())
                                         .boundingRect(spell->contentsRect(), Qt::TextWordWrap, saying);
                QVERIFY2(spell->contentsRect().contains(needed), qPrintable(saying));

                // A click on a used field or beside the grid does nothing.
                rig_.TakeCues();
                room.MouseDown(g.left + 16, g.top + 16);
                room.MouseDown(g.left - 1, g.top + 16);
                QVERIFY(Cues().empty());
                room.ResetBtnClick();
                QCOMPARE(spell->text(), QString());
                QVERIFY(Solved(room));
            }
        }
        QCOMPARE(room.Title->text(), QString("Room of sayings"));
    }

    void theRoomOfSeparationTogglesCutLines() {
        TRiddleWin& room = rig_.Room(12);
        Enter(room, 1);
        QCOMPARE(room.Title->text(), QString("Room of separation"));
        // Level 1: the board at (86, 141), four fields a side.
        const auto right = [&](int c, int r) { room.MouseDown(86 + 32 * c + 30, 141 + 32 * r + 16); };
        const auto below = [&](int c, int r) { room.MouseDown(86 + 32 * c + 16, 141 + 32 * r + 30); };
        // The four T shapes: AAAB / CABB / CCDB / CDDD.
        right(2, 0), right(0, 1), right(1, 1), right(1, 2), right(2, 2), right(0, 3);
        below(0, 0), below(2, 0), below(1, 1), below(2, 1), below(1, 2), below(3, 2);
        std::vector<int> expected(12, 9);
        expected.push_back(5);
        QCOMPARE(Cues(), expected);
        QVERIFY(Solved(room));
        // Cut lines are white pairs, uncut ones black.
        const QImage& shown = room.surface()->canvas.Image();
        QCOMPARE(shown.pixel(86 + 64 + 31, 141 + 10), 0xffffffffu);
        QCOMPARE(shown.pixel(86 + 64 + 32, 141 + 10), 0xffffffffu);
        QCOMPARE(shown.pixel(86 + 31, 141 + 10), 0xff000000u);
        // The fixed ball at (1, 1) lies in the room background.
        QCOMPARE(room.Canvas().Room().Image().pixel(86 + 32 + 16, 141 + 32 + 16), Art().Image().pixel(14, 320 + 14));

        // A line inside a part: unsolved again, no cue but 9.
        rig_.TakeCues();
        right(0, 0);
        QCOMPARE(Cues(), std::vector<int>{9});
        QVERIFY(!Solved(room));
        right(0, 0);
        QVERIFY(Solved(room));
        // The border and beside the board: nothing.
        rig_.TakeCues();
        room.MouseDown(86 + 2, 141 + 48);
        room.MouseDown(86 + 3 * 32 + 30, 141 + 48);
        room.MouseDown(80, 150);
        QVERIFY(Cues().empty());
        room.ResetBtnClick();
        QVERIFY(Solved(room));
        QCOMPARE(room.surface()->canvas.Image().pixel(86 + 64 + 31, 141 + 10), 0xff000000u);

        rig_.State().Language = 1;
        Enter(room, 2);
        room.ShowRules();
        QCOMPARE(messages_.mid(1),
                 (QStringList{"Zerteile das Schachbrett in vier gleichgroße, gleichgeformte Teile.",
                              "Achte darauf, daß sich in jedem Teil zwei verschiedene Kugeln befinden."}));
    }
};

QTEST_MAIN(PushClickRoomsWindowTest)
#include "PushClickRoomsWindowTest.moc"
