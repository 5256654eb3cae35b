// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game tells the desktop which scene it shows: each window's X11
// window role is its object name ("TMainForm", "tarnwick-help"), and while
// scenes are up in the main window, its role names the top one and where it
// lies, in the window's own pixels ("TRiddle7Win@294,30,600,760"), so that
// outside tools (the soak) can tell the scenes apart.
#include <QString>

class QApplication;
class QWidget;

namespace tarnwick {

void NameWindowsForTheDesktop(QApplication& app);

// The role of the window while the scene `name`, shown by `shown` (the
// scene or its caption), is the top scene; no name: no scene is up.
void NameTopScene(QWidget* window, const QString& name = {}, const QWidget* shown = nullptr);

// The role that names a scene and its place in the window.
QString SceneRole(const QWidget* window, const QString& name, const QWidget* shown);

}  // namespace tarnwick
