// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The scenes up in the scene host, bottom to top, and what keeps the
// player's input with the top one: under it a shield that takes every
// click meant for what lies beneath, and the keyboard focus held inside it
// (Tab goes round the top scene's own controls). A dialog scene is shown
// inside its caption.
#include <QDialog>
#include <QList>
#include <QPointer>

namespace tarnwick {

class SceneStack {
public:
    // While one of these lives, its scene is up: centred in the host over
    // its shield, on top of every scene up before it.
    class Shown {
    public:
        explicit Shown(QDialog* scene);
        ~Shown();
        Shown(const Shown&) = delete;
        Shown& operator=(const Shown&) = delete;
    };

    // The scenes up now, bottom first.
    static QList<QDialog*> Scenes();
    // What shows a scene in the host: the scene itself, or the caption
    // that carries a dialog scene.
    static QWidget* Outer(QDialog* scene);

    // Tab and Shift+Tab go round the scene's own controls and never leave
    // it; false when it has none to go to.
    static bool FocusNextWithin(QWidget* scene, bool next);
};

}  // namespace tarnwick
