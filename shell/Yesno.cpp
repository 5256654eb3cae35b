// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Yesno.h"

#include "state/Texts.h"

namespace tarnwick {

Tyesnodlg::Tyesnodlg(const Stage& stage) : SceneWindow(250, 125), stage_(stage) {
    setObjectName("Tyesnodlg");
    Mess = MakeSceneLabel(this, 20, 20, 209, 61, "Times New Roman", 16, Qt::black);
    YesBtn = new QPushButton(this);
    YesBtn->setGeometry(52, 88, 61, 25);
    YesBtn->setFont(GameFont("Times New Roman", 16));
    NoBtn = new QPushButton(this);
    NoBtn->setGeometry(136, 88, 61, 25);
    NoBtn->setFont(GameFont("Times New Roman", 16));
    connect(YesBtn, &QPushButton::clicked, this, [this] { Finish(ModalDone); });
    connect(NoBtn, &QPushButton::clicked, this, [this] { Finish(ModalLeft); });
    surface()->OnPaint = [this] { FormPaint(); };
}

int Tyesnodlg::ShowModal(const QString& question) {
    YesBtn->setText(stage_.Text(texts::Yes));
    NoBtn->setText(stage_.Text(texts::No));
    Mess->setText(question);
    setAccessibleName(question);
    YesBtn->setDefault(true);
    YesBtn->setFocus();
    const int result = RunModal(this);
    setResult(result);
    return result;
}

void Tyesnodlg::FormPaint() {
    CopyRect(surface()->canvas, 0, 0, stage_.pictures.MessagePicture, 0, 0, 250, 125);
}

void Tyesnodlg::showEvent(QShowEvent* event) {
    SceneWindow::showEvent(event);
    YesBtn->setFocus();
}

}  // namespace tarnwick
