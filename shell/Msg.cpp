// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Msg.h"

#include <QKeyEvent>
#include <QMouseEvent>


namespace tarnwick {

TMessDlg::TMessDlg(const Stage& stage) : SceneWindow(250, 125), stage_(stage) {
    setObjectName("TMessDlg");
    Mess = MakeSceneLabel(this, 24, 20, 201, 93, "Times New Roman", 16, Qt::black);
    surface()->OnPaint = [this] { FormPaint(); };
}

void TMessDlg::ShowModal(const QString& text) {
    Mess->setText(text);
    setAccessibleName(text);
    RunModal(this);
}

void TMessDlg::FormPaint() {
    CopyRect(surface()->canvas, 0, 0, stage_.pictures.MessagePicture, 0, 0, 250, 125);
}

void TMessDlg::mousePressEvent(QMouseEvent*) { Finish(ModalDone); }

void TMessDlg::keyPressEvent(QKeyEvent* event) {
    // Return and Space read as "go on", as a click does.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space) {
        Finish(ModalDone);
        return;
    }
    SceneWindow::keyPressEvent(event);
}

}  // namespace tarnwick
