// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's question window: a question on the message picture with a
// yes and a no button. Every way of closing it but yes counts as no.
#include <QPushButton>

#include "platform/SceneWindow.h"
#include "stage/Stage.h"

namespace tarnwick {

class Tyesnodlg : public SceneWindow {
    Q_OBJECT
public:
    explicit Tyesnodlg(const Stage& stage);
    // Returns the modal result: 1 yes, 2 no.
    int ShowModal(const QString& question);

    QLabel* Mess;
    QPushButton* YesBtn;
    QPushButton* NoBtn;

protected:
    void FormPaint();
    void showEvent(QShowEvent* event) override;

private:
    const Stage& stage_;
};

}  // namespace tarnwick
