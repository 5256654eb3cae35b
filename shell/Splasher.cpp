// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Splasher.h"

#include <QKeyEvent>
#include <utility>


namespace tarnwick {

TSplash::TSplash(const Game& game) : SceneWindow(200, 150), game_(game) {
    setObjectName("TSplash");
    bm = surface();
    bm->canvas.Create(200, 150, qRgb(0x1e, 0x15, 0x0e));
    bm->OnMouseDown = [this](Qt::MouseButton, Qt::KeyboardModifiers, int, int) { Click(); };
    // The splash goes at the first tick of a 3-second beat that began with
    // the window, which may be at once when the player took long to get
    // here. The timer fires only for that one tick: a tick passed while the
    // splash was hidden is counted, not waited for, so the game at rest
    // never wakes up for it.
    Timer1 = new QTimer(this);
    Timer1->setSingleShot(true);
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, [this] { Click(); });
    made_.start();
    Timer1->start(TickMs);
}

void TSplash::ShowModal() {
    setAccessibleName(QStringLiteral("Tarnwick"));
    RunModal(this);
}

void TSplash::keyPressEvent(QKeyEvent* event) {
    // A key sends the splash away, as a click does.
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Click();
        return;
    }
    SceneWindow::keyPressEvent(event);
}

void TSplash::Activate() {
    Picture picture;
    if (!picture.LoadBmp(QString::fromStdString(game_.ProgramDir + "b0.bmp"))) return;
    // A title picture of the window's own size becomes the window's picture:
    // the splash never holds it twice.
    if (picture.Width() == bm->canvas.Width() && picture.Height() == bm->canvas.Height())
        bm->canvas = std::move(picture);
    else
        CopyRect(bm->canvas, 0, 0, picture, 0, 0, 200, 150);
}

void TSplash::Click() {
    if (isVisible()) Finish(ModalDone);
}

void TSplash::showEvent(QShowEvent* event) {
    if (!Timer1->isActive()) Timer1->start(int(TickMs - made_.elapsed() % TickMs));
    Activate();
    SceneWindow::showEvent(event);
}

}  // namespace tarnwick
