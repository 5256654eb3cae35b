// SPDX-License-Identifier: GPL-3.0-or-later
// Every scene inside the game's one window, at zoom 1, at zoom 2 and full
// screen: each shown where the centring rule puts it in the game area,
// stacked over the scenes it was opened from, with the keyboard inside it;
// and nothing under a scene takes a click or a key.
#include <QtTest>
#include <functional>

#include "labyrinth/Corridors.h"
#include "labyrinth/Maze.h"
#include "labyrinth/Puzzle.h"
#include "pages/Help.h"
#include "pages/Intro.h"
#include "platform/SceneStack.h"
#include "platform/Zoom.h"
#include "shell/GameWindows.h"
#include "shell/Infodlg.h"
#include "shell/Load.h"
#include "shell/Main.h"
#include "shell/Msg.h"
#include "shell/Saveas.h"
#include "shell/Splasher.h"
#include "shell/Tongdlg.h"
#include "shell/Yesno.h"
#include "support/WindowsRig.h"
#include "throne/Chess.h"
#include "throne/Done.h"

using namespace tarnwick;

class OneWindowTest : public QObject {
    Q_OBJECT

private:
    testing::WindowsRig rig_;
    GameWindows& windows_ = rig_.windows;
    TMainForm& main_ = *rig_.windows.MainForm;

    std::vector<QDialog*> Scenes() {
        const auto scene = [](QDialog* dialog) { return dialog; };
        std::vector<QDialog*> scenes{
            scene(windows_.TongueDlg), scene(windows_.InfoDialog), scene(windows_.Splash),  scene(windows_.IntroWin),
            scene(windows_.PuzzleWin), scene(windows_.ChessWin),   scene(windows_.yesnodlg), scene(windows_.MessDlg),
            scene(windows_.DoneWin),   scene(windows_.MazeWin),    scene(windows_.LoadDlg),  scene(windows_.SaveAsDlg),
            scene(windows_.HelpWin)};
        for (int room = 1; room <= RoomCount; ++room) scenes.push_back(windows_.RiddleWindows[room]);
        return scenes;
    }

    // What a click and a key under the scene would have done: an arrow of
    // the labyrinth shifts a row, Return on the main window asks nothing.
    QString TryUnder(QWidget* shown) {
        CorridorGrid before;
        CopyGrid(before, rig_.State().Grid);
        rig_.TakeCues();
        QWidget* box = main_.box;
        const QPoint arrow(27, 2 * 54 + 27);  // the left arrow of row 2
        QTest::mouseClick(box, Qt::LeftButton, {}, arrow);
        QTest::keyClick(&main_, Qt::Key_Return);
        QString fault;
        if (!GridEquals(before, rig_.State().Grid)) fault += " a click under it shifted a row;";
        if (!rig_.TakeCues().empty()) fault += " something under it played a cue;";
        if (!shown->isVisible()) fault += " it went away;";
        return fault;
    }

    // Runs a scene modally and looks at it from inside its modal loop.
    QString Look(QDialog* scene, int zoom, const std::function<QString(QWidget*)>& more = {}) {
        QString fault;
        QTimer::singleShot(0, this, [&] {
            QWidget* shown = SceneStack::Outer(scene);
            QWidget* area = main_.GameArea;
            const QPoint centred((area->width() - shown->width()) / 2, (area->height() - shown->height()) / 2);
            if (!shown->isVisible()) fault += " not shown;";
            if (shown->parentWidget() != area) fault += " not inside the game area;";
            if (shown->pos() != centred) fault += QString(" at %1,%2, not %3,%4;").arg(shown->x()).arg(shown->y())
                                                      .arg(centred.x()).arg(centred.y());
            if (qRound(shown->devicePixelRatioF()) != zoom) fault += " not zoomed;";
            QWidget* focus = QApplication::focusWidget();
            if (!focus || (focus != shown && !shown->isAncestorOf(focus))) fault += " the keyboard is elsewhere;";
            fault += TryUnder(shown);
            if (more) fault += more(shown);
            scene->done(ModalLeft);
        });
        RunModal(scene);
        return fault.isEmpty() ? QString() : scene->objectName() + ":" + fault;
    }

private slots:
    void initTestCase() {
        QVERIFY(rig_.Ready());
        rig_.State().Language = 0;
        CopyGrid(rig_.State().Grid, TargetGrid);
        rig_.State().PlayerCol = 5;
        rig_.State().PlayerRow = 5;
    }

    void everySceneLiesInTheWindow_data() {
        QTest::addColumn<int>("zoom");
        QTest::addColumn<bool>("full");
        QTest::newRow("zoom 1") << 1 << false;
        QTest::newRow("zoom 2") << 2 << false;
        QTest::newRow("full screen") << 0 << true;
    }

    void everySceneLiesInTheWindow() {
        QFETCH(int, zoom);
        QFETCH(bool, full);
        if (full) {
            main_.ToggleFullScreen();
            zoom = GameZoom();
        } else {
            SetGameZoom(zoom);
        }
        QTest::qWait(50);
        // Windowed, the game area is the whole window; full screen, it lies
        // in the middle of it, on black.
        const QPoint area = main_.GameArea->pos();
        const QPoint middle((main_.width() - 594) / 2, (main_.height() - 410) / 2);
        QCOMPARE(area, full ? middle : QPoint(0, 0));
        if (full) QVERIFY(main_.width() > 594 || main_.height() > 410);

        QStringList faults;
        for (QDialog* scene : Scenes()) {
            const QString fault = Look(scene, zoom);
            if (!fault.isEmpty()) faults << fault;
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
        QVERIFY(OpenScenes().isEmpty());

        if (full) main_.ToggleFullScreen();
        SetGameZoom(1);
    }

    // A message over a riddle room over a door room: each over the last,
    // and the keyboard with the top one; Tab goes round its own controls.
    void scenesStackAndTheTopOneHasTheKeyboard() {
        TRiddleWin* riddle = windows_.RiddleWindows[5];
        QString fault;
        const auto top = [](QWidget* shown) {
            QWidget* area = shown->parentWidget();
            QWidget* under = area->childAt(area->width() / 2, area->height() / 2);
            return under && (under == shown || shown->isAncestorOf(under)) ? QString() : QString(" not on top;");
        };
        fault = Look(windows_.PuzzleWin, 1, [&](QWidget* door) {
            QString inner = top(door);
            inner += Look(riddle, 1, [&](QWidget* room) {
                QString innermost = top(room);
                for (int tab = 0; tab < 6; ++tab) {
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                    QWidget* focus = QApplication::focusWidget();
                    if (!focus || !room->isAncestorOf(focus)) innermost += " Tab left the room;";
                }
                innermost += Look(windows_.MessDlg, 1, [&](QWidget* message) {
                    return top(message) + (OpenScenes().size() == 3 ? QString() : QString(" not stacked;"));
                });
                return innermost;
            });
            return inner;
        });
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }

    // The zoom keys step by whole numbers within what fits on the screen.
    void theZoomKeysStepByWholeNumbers() {
        SetGameZoom(1);
        QTest::keyClick(&main_, Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(GameZoom(), 1);
        QTest::keyClick(&main_, Qt::Key_Equal, Qt::ControlModifier);
        QCOMPARE(GameZoom(), std::min(2, LargestZoom(&main_, QSize(594, 410), false)));
        QTest::keyClick(&main_, Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(GameZoom(), 1);
        QTest::keyClick(&main_, Qt::Key_F11);
        QVERIFY(main_.FullScreen);
        QTest::keyClick(&main_, Qt::Key_F11);
        QVERIFY(!main_.FullScreen);
        QCOMPARE(GameZoom(), 1);
    }
};

QTEST_MAIN(OneWindowTest)
#include "OneWindowTest.moc"
