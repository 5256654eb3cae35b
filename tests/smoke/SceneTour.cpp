// SPDX-License-Identifier: GPL-3.0-or-later
// scene_tour: the real game on the real display (X11 or Wayland), led from
// scene to scene so that each can be looked at: the labyrinth, the door room
// of room 5, then room 5's riddle at level 1. At each stop it writes
// "STOP name" to standard output and waits for a line on standard input.
//   scene_tour ZOOM|full
#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <cstdio>
#include <iostream>
#include <string>

#include "labyrinth/Puzzle.h"
#include "platform/Clock.h"
#include "platform/CuePlayer.h"
#include "platform/Random.h"
#include "platform/SceneWindow.h"
#include "platform/WholeScale.h"
#include "platform/Zoom.h"
#include "riddles/frame/RiddleWin.h"
#include "shell/GameWindows.h"
#include "shell/Main.h"
#include "shell/Msg.h"

using namespace tarnwick;

namespace {

class Silence : public CuePlayer {
public:
    void Stop() override {}
    void Play(int, const std::string&) override {}
};

// Says where the tour stands and waits, the game going on meanwhile, until
// the one looking says to go on.
void Stop(const char* name) {
    std::printf("STOP %s\n", name);
    std::fflush(stdout);
    QEventLoop wait;
    QSocketNotifier input(0, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &wait, [&wait] {
        std::string line;
        std::getline(std::cin, line);
        wait.quit();
    });
    wait.exec();
}

}  // namespace

int main(int argc, char* argv[]) {
    UseWholeScaleFactors();
    QApplication app(argc, argv);
    SystemClock clock;
    SeededRandom dice(2026);
    Silence silence;
    GameWindows windows(clock, dice, silence);
    if (!windows.MakeAll()) return 1;
    windows.game.Language = 0;
    TMainForm& main = *windows.MainForm;
    main.FirstActivation = false;
    main.SetHints();
    main.setWindowTitle(QStringLiteral("Tarnwick V1.3"));
    const std::string size = argc > 1 ? argv[1] : "1";
    if (size == "full") {
        main.FullScreen = true;
    } else {
        main.WindowedZoom = std::stoi(size);
    }
    main.ShowWindow();

    QTimer::singleShot(500, &main, [&] {
        Stop("labyrinth");
        // Into room 5 as the door leads there: its door room, then the riddle
        // behind the door, its entry message answered.
        TRiddleWin& room = *windows.RiddleWindows[5];
        QTimer::singleShot(300, &main, [&] {
            Stop("door-room");
            QTimer::singleShot(300, &main, [&] { windows.MessDlg->Finish(ModalDone); });
            QTimer::singleShot(600, &main, [&] {
                Stop("riddle-room");
                room.Finish(ModalLeft);
                QTimer::singleShot(300, &main, [&] {
                    windows.MessDlg->Finish(ModalDone);  // "You will never do it, worm."
                    windows.PuzzleWin->Finish(ModalLeft);
                    QCoreApplication::exit(0);  // no question: the tour ends here
                });
            });
            room.ShowModal(1);
        });
        windows.PuzzleWin->ShowModal(5);
    });
    return app.exec();
}
