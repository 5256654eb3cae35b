#pragma once
// Every window of the game tells the desktop which scene it is: its X11
// window role is its object name ("TMainForm", "TRiddle7Win", ...), so
// outside tools (the soak, a tiling window manager's rules) can tell the
// scenes apart even when they carry no caption.
class QApplication;

namespace tarnwick {

void NameWindowsForTheDesktop(QApplication& app);

}  // namespace tarnwick
