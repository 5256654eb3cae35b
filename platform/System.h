// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the game asks of the system besides windows and drawing: where the
// program and its settings live, the error box, and the help viewer.
#include <QString>
#include <functional>
#include <string>

namespace tarnwick {

// The program's folder with a trailing '/': where the game and its help
// viewer are.
std::string ProgramFolder();
// The folder of the game's data files (pictures, sounds, clip, help files),
// with a trailing '/'. Installed, it is the game's own data folder, found
// from the program's folder (bin/../share/tarnwick), so that an install
// under any prefix, moved or not, finds it; in the build folder the data
// files lie beside the program.
std::string DataFolder();
// Tests run from elsewhere: they name the folder the game reads its files
// from (and starts its help viewer from).
void SetProgramFolder(const std::string& folder);
// The user's own data folder for the game ($XDG_DATA_HOME/tarnwick, else
// ~/.local/share/tarnwick), with a trailing '/'; not created here.
std::string UserDataFolder();
// Whether a new file can be made in this folder (tried, not guessed).
bool CanWriteFolder(const std::string& folder);
// The settings folder: the user's configuration folder (XDG_CONFIG_HOME,
// else ~/.config), created when missing, with a trailing '/'.
std::string SettingsFolder();

// The system's error message box with one OK button.
void ShowErrorBox(const QString& text);
using ErrorBoxScript = std::function<void(const QString&)>;
void SetErrorBoxScript(ErrorBoxScript script);  // tests: record instead of showing

// The primary screen's size in pixels.
int ScreenWidth();
int ScreenHeight();
// Whether a window with this outer rectangle would be seen on some screen.
bool OnSomeScreen(int left, int top, int width, int height);

}  // namespace tarnwick
