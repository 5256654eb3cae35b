// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The splash window: the title picture, borderless in the middle of the
// screen, until a click or the next tick of its timer.
#include <QElapsedTimer>
#include <QTimer>

#include "platform/SceneWindow.h"
#include "state/Game.h"

namespace tarnwick {

class TSplash : public SceneWindow {
    Q_OBJECT
public:
    explicit TSplash(const Game& game);

    // Shows the splash modally until it closes.
    void ShowModal();

    PaintBox* bm;     // the picture, the whole window
    QTimer* Timer1;   // the next tick of a 3000-ms beat begun at the window's creation

    void Activate();  // loads the picture
    void Click();     // a click anywhere or a tick: the splash goes

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    static constexpr int TickMs = 3000;
    QElapsedTimer made_;
    const Game& game_;
};

}  // namespace tarnwick
