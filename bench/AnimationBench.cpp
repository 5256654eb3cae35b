// SPDX-License-Identifier: GPL-3.0-or-later
// Wall and CPU time of one animated shift and one walk step, with the real
// clock, against the waits alone (the same BusyWaits with no drawing).
#include <QApplication>
#include <chrono>
#include <cstdio>
#include <ctime>

#include "labyrinth/Corridors.h"
#include "platform/Clock.h"
#include "platform/LazyCuePlayer.h"
#include "platform/Random.h"
#include "platform/SceneWindow.h"
#include "shell/GameWindows.h"
#include "shell/Main.h"

using namespace tarnwick;

namespace {

double CpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

double WallMs() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

template <typename F>
void Measure(const char* name, int runs, F&& f) {
    double wall = 0, cpu = 0, worst = 0;
    for (int i = 0; i < runs; ++i) {
        const double w0 = WallMs(), c0 = CpuMs();
        f();
        const double w = WallMs() - w0;
        wall += w;
        cpu += CpuMs() - c0;
        if (w > worst) worst = w;
    }
    std::printf("%-28s wall %7.1f ms (worst %6.1f)  cpu %6.1f ms  cpu/wall %5.1f %%\n", name, wall / runs,
                worst, cpu / runs, 100.0 * cpu / wall);
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    SystemClock clock;
    SeededRandom dice(ClockSeed());
    LazyCuePlayer sound;
    GameWindows windows(clock, dice, sound);
    if (!windows.MakeAll()) return 1;
    // Every window the walk and the shifts might open answers at once.
    SetModalScript([](QDialog*) { return ModalLeft; });
    TMainForm& form = *windows.MainForm;
    Game& game = windows.game;
    form.FirstActivation = false;
    form.show();
    app.processEvents();
    form.soundbtn->setChecked(false);
    LabyrinthBox& box = *form.box;

    const int runs = 10;
    Measure("baseline: 18 x BusyWait(20)", runs, [&] {
        for (int i = 0; i < 18; ++i) clock.BusyWait(20);
    });
    Measure("animated shift (row 2)", runs, [&] {
        box.boxMouseDown(Qt::LeftButton, Qt::NoModifier, 27, 2 * 54 + 27);
    });
    Measure("animated shift (column 5)", runs, [&] {
        box.boxMouseDown(Qt::LeftButton, Qt::NoModifier, 5 * 54 + 27, 27);
    });
    Measure("baseline: 9 x BusyWait(60)", runs, [&] {
        for (int i = 0; i < 9; ++i) clock.BusyWait(60);
    });
    // Back and forth between the exit and the corridor beside it.
    CopyGrid(game.Grid, TargetGrid);
    game.PlayerCol = 1;
    game.PlayerRow = 3;
    form.update();
    app.processEvents();
    Measure("walk step", runs, [&] {
        if (game.PlayerCol == 1) {
            box.boxMouseDown(Qt::LeftButton, Qt::NoModifier, 2 * 54 + 27, 3 * 54 + 27);
        } else {
            box.boxMouseDown(Qt::LeftButton, Qt::NoModifier, 1 * 54 + 27, 3 * 54 + 27);
        }
    });
    SetModalScript({});
    return 0;
}
