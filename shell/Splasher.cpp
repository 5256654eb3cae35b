#include "shell/Splasher.h"

#include "shell/GameState.h"

namespace tarnwick {

TSplash* Splash = nullptr;

TSplash::TSplash() : SceneWindow(200, 150, false) {
    setObjectName("TSplash");
    bm = surface();
    bm->canvas.Create(200, 150, qRgb(0x1e, 0x15, 0x0e));
    bm->OnMouseDown = [this](Qt::MouseButton, Qt::KeyboardModifiers, int, int) { Click(); };
    // The timer is never restarted: the splash goes at its first tick after
    // being shown, which may be at once when the player took long to get here.
    Timer1 = new QTimer(this);
    Timer1->setInterval(3000);
    connect(Timer1, &QTimer::timeout, this, [this] { Click(); });
    Timer1->start();
}

void TSplash::ShowModal() { RunModal(this); }

void TSplash::Activate() {
    Picture picture;
    if (picture.LoadBmp(QString::fromStdString(ProgramDir + "b0.bmp"))) {
        CopyRect(bm->canvas, 0, 0, picture, 0, 0, 200, 150);
    }
}

void TSplash::Click() {
    if (isVisible()) Finish(ModalDone);
}

void TSplash::showEvent(QShowEvent* event) {
    Activate();
    CentreOnScreen(this);
    SceneWindow::showEvent(event);
}

}  // namespace tarnwick
