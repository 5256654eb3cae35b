// SPDX-License-Identifier: GPL-3.0-or-later
// The keys scene by scene, and what a screen reader is told: each kind of
// board input driven by the keys through the room's own handlers, Escape
// that lets go of a ball and never leaves a solved room, the fields and
// cells named by what lies there, the tool bar's keys (in the hints, dead
// under a scene), the labyrinth's steps, arrows and door, the door room's
// round of what can be clicked, and the cursor frame that goes at a click.
#include <QAccessible>
#include <QtTest>

#include "labyrinth/Corridors.h"
#include "labyrinth/DoorRoomLayout.h"
#include "labyrinth/Puzzle.h"
#include "platform/Accessible.h"
#include "platform/SceneStack.h"
#include "riddles/balls/BallBoardRules.h"
#include "riddles/corridors/DisplacementRules.h"
#include "riddles/duel/DuelRules.h"
#include "riddles/fields/KnightRules.h"
#include "riddles/fields/WanderingRules.h"
#include "riddles/separation/SeparationRules.h"
#include "shell/Msg.h"
#include "shell/Yesno.h"
#include "support/KeyHands.h"
#include "support/WindowsRig.h"
#include "throne/ChessTable.h"

using namespace tarnwick;
namespace solve = tarnwick::testing;

namespace {

// A comparison inside a scene the test plays: a fault is recorded and the
// play goes on to leave the scene.
#define CHECK_IN_PLAY(actual, expected)                                                  \
    do {                                                                                       \
        if (!((actual) == (expected))) QTest::qFail(#actual " differs", __FILE__, __LINE__); \
    } while (false)

QString Name(QWidget* grid, int column, int row) {
    return AccessibleGrid::Of(grid)->Model().name(column, row);
}

// The first field whose value a test is after.
template <typename Test>
BoardCell FirstField(const BoardGeometry& g, Test test) {
    for (int r = 0; r < g.rows; ++r)
        for (int c = 0; c < g.columns; ++c)
            if (test(BoardCell{c, r})) return {c, r};
    return {-1, -1};
}

}  // namespace

class KeysTest : public QObject {
    Q_OBJECT

private:
    solve::WindowsRig rig_;
    GameWindows& windows_ = rig_.windows;
    Game& State() { return rig_.State(); }

    // A key on a widget of a scene the test runs without showing it.
    static void Key(QWidget* on, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        solve::Press(key, modifiers, on);
    }
    static void Lead(TRiddleWin& room, BoardCell to) {
        const int steps = room.Keys->CurrentLayout().stepsPerField;
        solve::LeadCursor(*room.Keys, {to.col * steps, to.row * steps}, room.surface());
    }

private slots:
    void initTestCase() { QVERIFY(rig_.Ready()); }
    void init() { rig_.Forget(); }

    // Drag, push and click, each as the mouse does it at the cursor.
    void theBoardKeysActAsTheMouseAtTheCursor() {
        TRiddleWin& entangling = rig_.Room(1);
        rig_.Enter(entangling, 1, [&] {
            QWidget* board = entangling.surface();
            auto& rules = dynamic_cast<BallBoardRules&>(entangling.Rules());
            Lead(entangling, {0, 1});
            Key(board, Qt::Key_Space);  // lifts the red ball
            if (rules.DragKind() == 0 || rules.Cell({0, 1}) != 0) QTest::qFail("no ball lifted", __FILE__, __LINE__);
            Key(board, Qt::Key_Right);
            Key(board, Qt::Key_Down);  // carried along
            const Pixel over = rules.Geometry().Centre({1, 2});
            if (entangling.DragX != over.x || entangling.DragY != over.y)
                QTest::qFail("the ball does not go with the cursor", __FILE__, __LINE__);
            // A repaint of the room (the frame moving over it) keeps the
            // ball in hand on the screen.
            entangling.Paint();
            if (solve::ShowsRoomBackground(entangling, over.x - 14, over.y - 14, 28, 28))
                QTest::qFail("a repaint took the ball in hand away", __FILE__, __LINE__);
            rig_.TakeCues();
            Key(board, Qt::Key_Space);  // dropped one field down the diagonal
            if (rules.Cell({1, 2}) == 0 || rules.DragKind() != 0) QTest::qFail("not dropped", __FILE__, __LINE__);
            return ModalLeft;
        });
        QCOMPARE(rig_.TakeCues().front(), int(CueAccepted));

        TRiddleWin& displacement = rig_.Room(5);
        rig_.Enter(displacement, 1, [&] {
            auto& rules = dynamic_cast<DisplacementRules&>(displacement.Rules());
            const BoardGeometry& g = rules.Geometry();
            // A ball with free corridor beside it, and the arrow key there.
            const struct {
                int dx, dy, key;
            } ways[] = {{1, 0, Qt::Key_Right}, {-1, 0, Qt::Key_Left}, {0, 1, Qt::Key_Down}, {0, -1, Qt::Key_Up}};
            for (const auto& way : ways) {
                const BoardCell ball = FirstField(g, [&](BoardCell c) {
                    return rules.Cell(c) > DisplacementRules::Corridor &&
                           rules.Cell({c.col + way.dx, c.row + way.dy}) == DisplacementRules::Corridor;
                });
                if (ball.col < 0) continue;
                const BoardCell to{ball.col + way.dx, ball.row + way.dy};
                const int value = rules.Cell(ball);
                Lead(displacement, ball);
                Key(displacement.surface(), Qt::Key_Space);  // grabbed
                Key(displacement.surface(), way.key);        // pushed one field, the cursor with it
                if (rules.Cell(to) != value || displacement.Keys->Field() != QPoint(to.col, to.row))
                    QTest::qFail("the ball was not pushed with the cursor", __FILE__, __LINE__);
                break;
            }
            Key(displacement.surface(), Qt::Key_Space);  // let go
            if (rules.Holding()) QTest::qFail("still held", __FILE__, __LINE__);
            return ModalLeft;
        });

        TRiddleWin& knight = rig_.Room(3);
        rig_.Enter(knight, 1, [&] {
            auto& rules = dynamic_cast<KnightRules&>(knight.Rules());
            const BoardCell jump = FirstField(rules.Geometry(), [&](BoardCell c) { return rules.CanJumpTo(c); });
            Lead(knight, jump);
            Key(knight.surface(), Qt::Key_Return);
            if (rules.Ball() != jump) QTest::qFail("the click did not jump", __FILE__, __LINE__);
            return ModalLeft;
        });

        // The room of separation's cursor steps over the lines too: one
        // step right of the corner field lies the line beside it, one step
        // down from the field the line below it.
        TRiddleWin& separation = rig_.Room(12);
        rig_.Enter(separation, 1, [&] {
            auto& rules = dynamic_cast<SeparationRules&>(separation.Rules());
            QWidget* board = separation.surface();
            Key(board, Qt::Key_Right);  // shows the cursor on the corner field
            Key(board, Qt::Key_Right);
            Key(board, Qt::Key_Space);
            Key(board, Qt::Key_Down);  // where the lines cross
            Key(board, Qt::Key_Left);
            Key(board, Qt::Key_Space);
            if (!rules.Cut({{0, 0}, true}) || !rules.Cut({{0, 0}, false}))
                QTest::qFail("the lines under the cursor were not cut", __FILE__, __LINE__);
            if (separation.Keys->Cursor() != QPoint(0, 1)) QTest::qFail("the cursor is elsewhere", __FILE__, __LINE__);
            return ModalLeft;
        });
    }

    // Escape: first the ball in hand goes back; then the room is left by
    // the leave button; with the riddle solved it stays.
    void escapeLetsGoOfTheBallThenLeavesButNeverASolvedRoom() {
        TRiddleWin& room = rig_.Room(1);
        const int left = rig_.Enter(room, 1, [&] {
            auto& rules = dynamic_cast<BallBoardRules&>(room.Rules());
            const std::vector<int> start = rules.Values();
            Lead(room, {0, 1});
            Key(room.surface(), Qt::Key_Space);
            Key(room.surface(), Qt::Key_Right);
            room.setResult(0);
            Key(room.surface(), Qt::Key_Escape);
            if (rules.DragKind() != 0 || rules.Values() != start || room.result() != 0)
                QTest::qFail("Escape did not put the ball back", __FILE__, __LINE__);
            room.OKBtn->show();  // as if solved
            room.EscBtn->hide();
            Key(room.surface(), Qt::Key_Escape);
            if (room.result() != 0) QTest::qFail("Escape left a solved room", __FILE__, __LINE__);
            room.OKBtn->hide();
            room.EscBtn->show();
            Key(room.HelpBtn, Qt::Key_Escape);
            return room.result();
        });
        QCOMPARE(left, ModalLeft);
    }

    void fieldsAndCellsAreNamedByWhatLiesThere() {
        struct Case {
            int room;
            int language;
            std::function<void(TRiddleWin&)> play;  // before the names are read
            BoardCell cell;
            QString name;
        };
        const auto nothing = [](TRiddleWin&) {};
        const auto jump = [](TRiddleWin& room) {
            auto& rules = dynamic_cast<KnightRules&>(room.Rules());
            solve::Click(room, FirstField(rules.Geometry(), [&](BoardCell c) { return rules.CanJumpTo(c); }));
        };
        const auto duel = [](TRiddleWin& room) { solve::Click(room, BoardCell{0, 0}); };
        const auto cut = [](TRiddleWin& room) { solve::Click(room, BoardPoint{{0, 0}, 31, 16}); };
        const Case cases[] = {
            {1, 0, nothing, {0, 1}, "red ball"},
            {1, 0, nothing, {4, 3}, "blue ball"},
            {1, 1, nothing, {1, 1}, "leeres Feld"},
            {1, 1, nothing, {0, 3}, "rote Kugel"},
            {3, 0, jump, {-1, -1}, "vanished"},  // the field the ball left
            {7, 0, duel, {0, 0}, "one of your gems"},
            {7, 1, duel, {0, 0}, "einer Deiner Kristalle"},
            {12, 0, cut, {1, 0}, "cut: left"},
        };
        for (const Case& c : cases) {
            State().Language = c.language;
            TRiddleWin& room = rig_.Room(c.room);
            QString name;
            rig_.Enter(room, 1, [&] {
                BoardCell cell = c.cell;
                if (c.room == 3) cell = dynamic_cast<KnightRules&>(room.Rules()).Ball();
                c.play(room);
                name = Name(room.surface(), cell.col, cell.row);
                return ModalLeft;
            });
            QVERIFY2(name.contains(c.name), qPrintable(QString("room %1: %2").arg(c.room).arg(name)));
        }

        // The duel names the computer's answer, wherever it fell.
        State().Language = 0;
        TRiddleWin& duelRoom = rig_.Room(7);
        QStringList computer;
        rig_.Enter(duelRoom, 1, [&] {
            solve::Click(duelRoom, BoardCell{0, 0});
            const DuelBoard& board = dynamic_cast<DuelRules&>(duelRoom.Rules()).Board();
            const BoardCell theirs = FirstField(duelRoom.Rules().Geometry(),
                                                [&](BoardCell f) { return board.At(f).owner == ownComputer; });
            computer << Name(duelRoom.surface(), theirs.col, theirs.row);
            return ModalLeft;
        });
        QCOMPARE(computer, QStringList{"one of the computer's gems"});

        // The room of wandering's white field; the corridors' walls.
        rig_.Enter(rig_.Room(8), 1, [&] {
            const BoardCell white = dynamic_cast<WanderingRules&>(rig_.Room(8).Rules()).WhiteField();
            computer << Name(rig_.Room(8).surface(), white.col, white.row);
            return ModalLeft;
        });
        rig_.Enter(rig_.Room(5), 1, [&] {
            auto& rules = dynamic_cast<DisplacementRules&>(rig_.Room(5).Rules());
            const BoardCell wall = FirstField(rules.Geometry(), [&](BoardCell f) { return rules.Cell(f) == DisplacementRules::Wall; });
            computer << Name(rig_.Room(5).surface(), wall.col, wall.row);
            return ModalLeft;
        });
        QVERIFY(computer.at(1).contains("white field"));
        QCOMPARE(computer.at(2), QString("wall"));

        // The throne-room table: a piece's square, and the empty table.
        TChessWin& chess = *windows_.ChessWin;
        PlacePiece(State(), 1, rig_.game.dice);
        const QPoint grab = solve::GrabCell(State(), 1);
        const QString square = Name(chess.surface(), State().PieceCol[1] + grab.x(), State().PieceRow[1] + grab.y());
        QVERIFY2(square.startsWith("piece 1, ") && square.contains("square"), qPrintable(square));
        State().PieceTurn[1] = -1;
        QCOMPARE(Name(chess.surface(), State().PieceCol[1] + grab.x(), State().PieceRow[1] + grab.y()),
                 QString("empty table"));
    }

    // Each tool-bar button's key stands in its hint in the language; its
    // name is the hint alone. The keys press nothing while a scene is up.
    void theToolBarKeysStandInTheHintsAndWaitForTheScenes() {
        TMainForm& main = *windows_.MainForm;
        main.SetHints();
        QCOMPARE(main.StoreBtn->toolTip(), QString("I save the game. (Ctrl+S)"));
        QCOMPARE(main.StoreBtn->accessibleName(), QString("I save the game."));
        QCOMPARE(main.HelpBtn->toolTip(), QString("I need help. (F2)"));
        State().Language = 1;
        main.SetHints();
        QCOMPARE(main.RulesBtn->toolTip(), QString("Die Spielregeln (F1)"));
        QCOMPARE(main.LoadBtn->toolTip(), QString("Ich lade ein Spiel und mach dort weiter. (Strg+O)"));

        QStringList shown;
        SetModalScript([&](QDialog* scene) {
            shown << scene->objectName();
            return ModalLeft;
        });
        const bool sound = main.soundbtn->isChecked();
        QTest::keyClick(&main, Qt::Key_N, Qt::ControlModifier);
        QTest::keyClick(&main, Qt::Key_M, Qt::ControlModifier);
        QCOMPARE(shown, QStringList{"Tyesnodlg"});  // the restart question
        QCOMPARE(main.soundbtn->isChecked(), !sound);
        {
            SceneStack::Shown up(windows_.MessDlg);
            QTest::keyClick(&main, Qt::Key_N, Qt::ControlModifier);
            QTest::keyClick(&main, Qt::Key_M, Qt::ControlModifier);
        }
        QCOMPARE(shown, QStringList{"Tyesnodlg"});
        QCOMPARE(main.soundbtn->isChecked(), !sound);
        main.soundbtn->setChecked(sound);
        SetModalScript({});
    }

    // An arrow key walks one tile as a click there does, and never shifts
    // the arrow beside a door; Tab goes round the fourteen arrows; Space
    // shifts the arrow's line, or on the figure enters his door.
    void theLabyrinthKeysWalkShiftAndEnter() {
        LabyrinthBox& box = *windows_.MainForm->box;
        CopyGrid(State().Grid, TargetGrid);
        State().MazeRestored = false;
        const struct {
            Cell from;
            int key;
            Cell to;
        } walks[] = {
            {{2, 3}, Qt::Key_Right, {3, 3}}, {{2, 3}, Qt::Key_Left, {1, 3}}, {{2, 3}, Qt::Key_Up, {2, 2}},
            {{4, 3}, Qt::Key_Right, {4, 3}},  // closed to the east
            {{2, 0}, Qt::Key_Left, {2, 0}},   // door 2: the arrow beside it is no corridor
        };
        for (const auto& walk : walks) {
            State().PlayerCol = walk.from.col;
            State().PlayerRow = walk.from.row;
            QTest::keyClick(&box, Qt::Key(walk.key));
            QCOMPARE(QPoint(State().PlayerCol, State().PlayerRow), QPoint(walk.to.col, walk.to.row));
            QVERIFY(GridEquals(State().Grid, TargetGrid));
        }
        // The same walk from the mouse: a click three tiles away.
        State().PlayerCol = 2;
        State().PlayerRow = 3;
        box.boxMouseDown(Qt::LeftButton, {}, 54 * 5 + 27, 54 * 3 + 27);
        QCOMPARE(State().PlayerCol, 3);

        box.Cursor->Hide();
        QTest::keyClick(&box, Qt::Key_Tab);
        QCOMPARE(box.CursorArrow, 0);
        for (int tab = 0; tab < LabyrinthBox::ArrowCount; ++tab) QTest::keyClick(&box, Qt::Key_Tab);
        QCOMPARE(box.CursorArrow, 0);
        QTest::keyClick(&box, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(box.CursorArrow, LabyrinthBox::ArrowCount - 1);  // (0, 2): row 2 east
        QCOMPARE(box.Cursor->Around(), QRect(0, 2 * 54, 54, 54));
        QTest::keyClick(&box, Qt::Key_Space);
        LabyrinthState shifted;
        CopyGrid(shifted.Grid, TargetGrid);
        ShiftGrid(shifted, 2, East);
        QVERIFY(GridEquals(State().Grid, shifted.Grid));

        // On door 2, with the cursor back on the figure: the door room.
        QStringList shown;
        SetModalScript([&](QDialog* scene) {
            shown << scene->objectName();
            return ModalLeft;
        });
        State().PlayerCol = 2;
        State().PlayerRow = 0;
        box.Cursor->Hide();
        QTest::keyClick(&box, Qt::Key_Return);
        QCOMPARE(shown.value(0), QString("TPuzzleWin"));
        SetModalScript({});
        CopyGrid(State().Grid, TargetGrid);
    }

    // Tab goes round what can be clicked: the door, or the three stones;
    // Space clicks it; Escape leaves.
    void theDoorRoomKeysGoRoundWhatCanBeClicked() {
        TPuzzleWin& door = *windows_.PuzzleWin;
        using namespace door_room_art;
        for (int stone : {0, 1, 2}) {
            int level = 0;
            SetModalScript([&](QDialog* scene) {
                if (scene == &door) {
                    Key(&door, Qt::Key_Tab);  // shows the first stone
                    if (door.Cursor->Around() != QRect(StonesAtX + Stones[0].x, StonesAtY + Stones[0].y, Stones[0].w, Stones[0].h))
                        QTest::qFail("the cursor is not on the first stone", __FILE__, __LINE__);
                    for (int n = 0; n < stone + 3; ++n) Key(&door, Qt::Key_Tab);  // round once, then on
                    Key(&door, Qt::Key_Space);
                    door.setResult(0);
                    Key(&door, Qt::Key_Escape);
                    return door.result();
                }
                if (auto* riddle = dynamic_cast<TRiddleWin*>(scene)) level = riddle->Level();
                return ModalLeft;
            });
            State().DoorOpen[2] = true;
            door.ShowModal(2);
            QCOMPARE(level, stone + 1);
        }
        SetModalScript({});
        State().DoorOpen[2] = false;
    }

    // What a screen reader is handed: the board a table of its fields,
    // each named, the cursor's field the chosen one; a message's words as
    // text.
    void theBoardIsATableOfNamedFieldsAndAMessageIsText() {
        TRiddleWin& room = rig_.Room(1);
        rig_.Enter(room, 1, [&] {
            QAccessibleInterface* board = QAccessible::queryAccessibleInterface(room.surface());
            QAccessibleTableInterface* table = board ? board->tableInterface() : nullptr;
            if (!table) {
                QTest::qFail("the board is no table", __FILE__, __LINE__);
                return ModalLeft;
            }
            CHECK_IN_PLAY(table->rowCount(), 4);
            CHECK_IN_PLAY(table->columnCount(), 5);
            CHECK_IN_PLAY(board->childCount(), 20);
            QAccessibleInterface* red = table->cellAt(1, 0);
            CHECK_IN_PLAY(red->text(QAccessible::Name), QString("red ball"));
            CHECK_IN_PLAY(board->indexOfChild(red), 5);
            CHECK_IN_PLAY(board->child(5), red);
            CHECK_IN_PLAY(red->parent(), board);
            Lead(room, {0, 1});
            CHECK_IN_PLAY(table->selectedCells(), QList<QAccessibleInterface*>{red});
            CHECK_IN_PLAY(red->tableCellInterface()->isSelected(), true);
            return ModalLeft;
        });
        windows_.MessDlg->Mess->setText("A message.");
        QAccessibleInterface* label = QAccessible::queryAccessibleInterface(windows_.MessDlg->Mess);
        QVERIFY(label && label->textInterface());
        QCOMPARE(label->textInterface()->text(0, -1), QString("A message."));
        QCOMPARE(label->textInterface()->text(2, 9), QString("message"));
        QCOMPARE(label->textInterface()->characterCount(), 10);
        QCOMPARE(label->text(QAccessible::Name), QString("A message."));
        windows_.MessDlg->Mess->setText("<p>Rich <b>words</b></p>");
        QCOMPARE(label->textInterface()->text(0, -1), QString("Rich words"));
        // Space reads as "go on", as Return and a click do.
        windows_.MessDlg->setResult(0);
        QTest::keyClick(windows_.MessDlg, Qt::Key_Space);
        QCOMPARE(windows_.MessDlg->result(), ModalDone);
    }

    // The frame shows only once a key is used, and a click takes it away.
    void theCursorFrameGoesAtAMouseClick() {
        LabyrinthBox& box = *windows_.MainForm->box;
        box.Cursor->Hide();
        QTest::keyClick(&box, Qt::Key_Tab);
        QVERIFY(box.Cursor->Showing());
        QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(10, 10));  // a corner of the wall
        QVERIFY(!box.Cursor->Showing());
    }
};

QTEST_MAIN(KeysTest)
#include "KeysTest.moc"
