// SPDX-License-Identifier: GPL-3.0-or-later
// Renders every scene of the game to PNG files, for looking at them the way
// the player sees them: a new game played through to its end with the
// mouse (each door room closed, with its piece and with its stones; each
// riddle at entry and solved; the throne room at entry, carrying a piece
// and with the board laid; the finale), the cursor frame of the keys on the
// labyrinth, a door, a board and the table, the help pages on the keys,
// then every room on every level in German, and the small windows. The game's dice are seeded, so two runs
// draw the same pictures, at the scale factor given in QT_SCALE_FACTOR
// times the zoom given (1 when none is).
//   scene_snapshots OUTPUT_FOLDER [ZOOM]
#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QKeyEvent>

#include "labyrinth/Corridors.h"
#include "labyrinth/Maze.h"
#include "pages/Help.h"
#include "pages/HelpTexts.h"
#include "platform/FocusFrameStyle.h"
#include "platform/WholeScale.h"
#include "platform/Zoom.h"
#include "shell/GameWindows.h"
#include "shell/Infodlg.h"
#include "shell/Main.h"
#include "shell/Msg.h"
#include "shell/Splasher.h"
#include "shell/Tongdlg.h"
#include "support/GameRig.h"
#include "support/WholeGame.h"
#include "throne/Done.h"

using namespace tarnwick;

namespace {

QString out;
int shot = 0;

void Snap(QWidget* window, const QString& name) {
    // The mouse rests on the labyrinth, which does not light up under it.
    if (QWidget* host = SceneHost()) QCursor::setPos(host->mapToGlobal(QPoint(300, 300)));
    QApplication::processEvents();
    window->grab().save(QString("%1/%2_%3.png").arg(out).arg(++shot, 3, 10, QChar('0')).arg(name));
}

// A key pressed on a widget, as the keyboard would send it there.
void Key(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers);
    QApplication::sendEvent(widget, &release);
}

// The cursor of the keys on a board, led from the top-left field.
void KeysTo(QWidget* board, QPoint to) {
    Key(board, Qt::Key_Right);  // shows it
    for (int x = 0; x < to.x(); ++x) Key(board, Qt::Key_Right);
    for (int y = 0; y < to.y(); ++y) Key(board, Qt::Key_Down);
}

// The keys' cursor: over a ball carried in room 1, on a line between two
// fields in room 12, on the closed door, and over a piece carried in the
// throne room.
void KeySnapshots(GameWindows& windows) {
    SetModalScript([&](QDialog* window) {
        if (window == windows.MessDlg) return ModalDone;
        if (auto* room = dynamic_cast<TRiddleWin*>(window)) {
            room->Activate();
            room->Paint();
            if (room->Room() == 1) {
                KeysTo(room->surface(), {0, 1});
                Key(room->surface(), Qt::Key_Space);
                Key(room->surface(), Qt::Key_Right);
                Key(room->surface(), Qt::Key_Down);
                Snap(room, "keys_room1_carry");
                Key(room, Qt::Key_Escape);
            } else {
                KeysTo(room->surface(), {3, 2});
                Snap(room, "keys_room12_line");
            }
            return ModalLeft;
        }
        if (window == windows.PuzzleWin) {
            TPuzzleWin& door = *windows.PuzzleWin;
            door.Paint();
            Key(&door, Qt::Key_Tab);
            Snap(&door, "keys_door");
            return ModalLeft;
        }
        return ModalLeft;
    });
    windows.RiddleWindows[1]->ShowModal(1);
    windows.RiddleWindows[12]->ShowModal(1);
    windows.PuzzleWin->ShowModal(2);

    TChessWin& chess = *windows.ChessWin;
    chess.Paint();
    const PieceTable& table = windows.game;
    const QPoint grab = tarnwick::testing::GrabCell(table, 3);
    KeysTo(chess.surface(), {table.PieceCol[3] + grab.x(), table.PieceRow[3] + grab.y()});
    Key(chess.surface(), Qt::Key_Space);
    // Off the board, turned.
    for (int n = 0; n < 5; ++n) Key(chess.surface(), Qt::Key_Left);
    for (int n = 0; n < 5; ++n) Key(chess.surface(), Qt::Key_Down);
    Key(chess.surface(), Qt::Key_R);
    Snap(&chess, "keys_throne_carry");
    for (int n = 0; n < 3; ++n) Key(chess.surface(), Qt::Key_R);
    for (int n = 0; n < 5; ++n) Key(chess.surface(), Qt::Key_Up);
    for (int n = 0; n < 5; ++n) Key(chess.surface(), Qt::Key_Right);
    Key(chess.surface(), Qt::Key_Space);  // back where it lay

    TMainForm& main = *windows.MainForm;
    Key(main.box, Qt::Key_Tab);
    Key(main.box, Qt::Key_Tab);
    main.box->update();
    Snap(&main, "keys_labyrinth_arrow");

    // The help pages on the keys, in both languages.
    THelpWin& help = *windows.HelpWin;
    for (int language : {0, 1}) {
        windows.game.Language = language;
        help.Activate();
        help.show();
        for (int page = 1; page <= HelpPageCount; ++page) {
            if (page > 12) Snap(&help, QString("help%1_%2").arg(page).arg(language ? "de" : "en"));
            Key(&help, Qt::Key_Right);
        }
        help.hide();
    }
    windows.game.Language = 0;
    SetModalScript({});
}

int Riddle(TRiddleWin& room) {
    room.Activate();
    room.Paint();
    Snap(&room, QString("room%1_entry").arg(room.Room()));
    tarnwick::testing::SolveWithTheMouse(room);
    Snap(&room, QString("room%1_solved").arg(room.Room()));
    return room.OKBtn->isHidden() ? ModalLeft : ModalDone;
}

int DoorRoom(TPuzzleWin& door) {
    door.Paint();
    Snap(&door, QString("door%1_closed").arg(door.Room));
    door.Mousedown(200, 150);  // into the riddle
    door.Paint();
    Snap(&door, QString("door%1_piece").arg(door.Room));
    if (door.DoorState == 1) door.Mousedown(190, 207);  // the piece
    door.Paint();
    Snap(&door, QString("door%1_stones").arg(door.Room));
    door.Mousedown(5, 5);  // out
    return ModalLeft;
}

int Throne(TChessWin& chess, const Game& game) {
    chess.Paint();
    Snap(&chess, "throne_entry");
    const bool laid = tarnwick::testing::LayTheBoard(chess, game, [&chess] { Snap(&chess, "throne_carry"); });
    Snap(&chess, "throne_done");
    return laid && !chess.OKBtn->isHidden() ? ModalDone : ModalLeft;
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    UseWholeScaleFactors();
    QApplication app(argc, argv);
    UseFocusFrameStyle();
    out = argc > 1 ? QString(argv[1]) : QString(".");
    QDir().mkpath(out);

    tarnwick::testing::GameRig rig;
    SeededRandom dice(2026);
    GameWindows windows(rig.clock, dice, rig.cues);
    if (!windows.MakeAll()) return 1;
    SetGameZoom(argc > 2 ? QString(argv[2]).toInt() : 1);
    Game& game = windows.game;
    TMainForm& main = *windows.MainForm;
    game.Language = 0;
    main.SetHints();
    main.setWindowTitle("Tarnwick V1.3");
    main.NewGame();
    main.FirstActivation = false;
    main.show();
    Snap(&main, "main_new");

    SetModalScript([&](QDialog* window) {
        if (window == windows.MessDlg) {
            Snap(window, "message");
            return ModalDone;
        }
        if (auto* riddle = dynamic_cast<TRiddleWin*>(window)) return Riddle(*riddle);
        if (window == windows.PuzzleWin) return DoorRoom(*windows.PuzzleWin);
        if (window == windows.ChessWin) return Throne(*windows.ChessWin, game);
        window->show();
        QApplication::processEvents();
        Snap(window, window->objectName());
        window->hide();
        return ModalDone;
    });
    for (int door = 1; door <= DoorCount; ++door) {
        const Cell cell = DoorCell(door);
        game.PlayerCol = cell.col;
        game.PlayerRow = cell.row;
        main.box->EnterDoor();
        main.box->update();
        Snap(&main, QString("main_after%1").arg(door));
    }

    KeySnapshots(windows);

    // Every room on every level in German, at entry.
    game.Language = 1;
    SetModalScript([](QDialog* window) {
        if (auto* riddle = dynamic_cast<TRiddleWin*>(window)) {
            riddle->Activate();
            riddle->Paint();
            Snap(riddle, QString("de_room%1_level%2").arg(riddle->Room()).arg(riddle->Level()));
        }
        return ModalLeft;
    });
    for (int room = 1; room <= RoomCount; ++room)
        for (int level = 1; level <= 3; ++level) windows.RiddleWindows[room]->ShowModal(level);

    for (QWidget* window : std::initializer_list<QWidget*>{windows.MazeWin, windows.DoneWin, windows.TongueDlg,
                                                           windows.InfoDialog, windows.Splash}) {
        window->show();
        QApplication::processEvents();
        Snap(window, window->objectName());
        window->hide();
    }
    SetModalScript({});
    return 0;
}
