// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help viewer: a program of its own beside the game ("tarnwick-help")
// that shows a help file at a topic. The game starts it, switches it to
// another topic of the same file, and ends it before it opens another file
// and when the game ends. Being another process, it stays usable while the
// game's modal windows are open.
#include <QtGlobal>
#include <functional>
#include <string>

namespace tarnwick {

// Shows the topic of the help file in the viewer, starting the viewer when
// none runs; a viewer showing another file is ended first.
void ShowHelpTopic(const std::string& file, const std::string& topic);
// Ends the viewer the game started, if any (the help system's quit command).
void CloseHelpViewer();
// The process id of the running viewer, 0 when none runs.
qint64 HelpViewerProcessId();

// Tests replace the viewer with a recorder of the calls.
struct HelpViewerScript {
    std::function<void(const std::string& file, const std::string& topic)> show;
    std::function<void()> close;
};
void SetHelpViewerScript(HelpViewerScript script);  // empty members: the real viewer

// The file name of the viewer program in the program's folder.
constexpr const char* HelpViewerProgram = "tarnwick-help";

}  // namespace tarnwick
