// Renders every scene of the game to PNG files, for looking at them the way
// the player sees them: a new game played through to its end with the
// mouse (each door room closed, with its piece and with its stones; each
// riddle at entry and solved; the throne room at entry, carrying a piece
// and with the board laid; the finale), then every room on every level in
// German, and the small windows. The game's dice are seeded, so two runs
// draw the same pictures, at the scale factor given in QT_SCALE_FACTOR
// times the zoom given (1 when none is).
//   scene_snapshots OUTPUT_FOLDER [ZOOM]
#include <QApplication>
#include <QCursor>
#include <QDir>

#include "labyrinth/Corridors.h"
#include "labyrinth/Maze.h"
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
