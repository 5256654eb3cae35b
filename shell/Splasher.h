#pragma once
// The splash window: the title picture, borderless in the middle of the
// screen, until a click or the next tick of its timer.
#include <QTimer>

#include "platform/SceneWindow.h"

namespace tarnwick {

class TSplash : public SceneWindow {
    Q_OBJECT
public:
    TSplash();

    // Shows the splash modally until it closes.
    void ShowModal();

    PaintBox* bm;     // the picture, the whole window
    QTimer* Timer1;   // 3000 ms, running from the window's creation on

    void Activate();  // loads the picture
    void Click();     // a click anywhere or a tick: the splash goes

protected:
    void showEvent(QShowEvent* event) override;
};

extern TSplash* Splash;

}  // namespace tarnwick
