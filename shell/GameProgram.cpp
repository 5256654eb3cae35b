// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/GameProgram.h"

#include <QApplication>
#include <QTimer>
#include <functional>

#include "platform/Clock.h"
#include "platform/DisplayCheck.h"
#include "platform/FocusFrameStyle.h"
#include "platform/LazyCuePlayer.h"
#include "platform/Random.h"
#include "platform/WindowRoles.h"
#include "platform/WholeScale.h"
#include "shell/GameWindows.h"
#include "shell/Main.h"

namespace tarnwick {

namespace {

const BiText NoDisplay{
    "Tarnwick: Es gibt keinen Bildschirm, auf dem das Spiel erscheinen kann: weder ein Wayland-Compositor "
    "(WAYLAND_DISPLAY) noch ein X-Server (DISPLAY) ist erreichbar.",
    "Tarnwick: there is no display to show the game on: neither a Wayland compositor (WAYLAND_DISPLAY) "
    "nor an X server (DISPLAY) can be reached."};

}  // namespace

int RunTarnwick(int argc, char* argv[], const std::function<void(TMainForm&)>& started) {
    UseWholeScaleFactors();
    // Said in the player's language, as far as the settings tell it.
    const int language = IniFile(SettingsFileName()).ReadInteger(SettingsSection, "tongue", -1);
    SayWhenNoDisplay(Tr(NoDisplay, language));
    QApplication app(argc, argv);
    DisplayFound();
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
