#include "shell/Msg.h"

#include <QMouseEvent>

#include "shell/Main.h"

namespace tarnwick {

TMessDlg* MessDlg = nullptr;

TMessDlg::TMessDlg() : SceneWindow(250, 125, true) {
    setObjectName("TMessDlg");
    Mess = MakeSceneLabel(this, 24, 20, 201, 93, "Times New Roman", 16, Qt::black);
    surface()->OnPaint = [this] { FormPaint(); };
    CentreOverMainWindow();
}

void TMessDlg::ShowModal(const QString& text) {
    Mess->setText(text);
    RunModal(this);
}

void TMessDlg::FormPaint() {
    CopyRect(surface()->canvas, 0, 0, MainForm->MessagePicture, 0, 0, 250, 125);
}

void TMessDlg::showEvent(QShowEvent* event) {
    CentreOverMainWindow();
    SceneWindow::showEvent(event);
}

void TMessDlg::mousePressEvent(QMouseEvent*) { Finish(ModalDone); }

}  // namespace tarnwick
