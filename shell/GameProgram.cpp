#include "shell/GameProgram.h"

#include <QApplication>
#include <QTimer>
#include <functional>

#include "platform/Clock.h"
#include "platform/FocusFrameStyle.h"
#include "platform/LazyCuePlayer.h"
#include "platform/Random.h"
#include "platform/WindowRoles.h"
#include "platform/WholeScale.h"
#include "shell/GameWindows.h"
#include "shell/Main.h"

namespace tarnwick {

int RunTarnwick(int argc, char* argv[], const std::function<void(TMainForm&)>& started) {
    UseWholeScaleFactors();
    QApplication app(argc, argv);
    app.setApplicationName("Tarnwick");
    app.setDesktopFileName("org.tarnwick.Tarnwick");  // its menu entry and icon
    NameWindowsForTheDesktop(app);
    UseFocusFrameStyle();
    // The services the game draws on outlive its windows: the clock, the
    // dice seeded once, and the cue player, which loads the sound system at
    // the first cue that is to be heard.
    SystemClock clock;
    SeededRandom dice(ClockSeed());
    LazyCuePlayer sound;
    GameWindows windows(clock, dice, sound);

    // A window whose pictures are missing ends the program at once.
    if (!windows.MakeAll()) return 1;
    TMainForm* mainForm = windows.MainForm;

    mainForm->ShowWindow();
    QTimer::singleShot(0, mainForm, [mainForm] { mainForm->Activate(); });
    if (started) started(*mainForm);
    return app.exec();
}

}  // namespace tarnwick
