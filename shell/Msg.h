// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's message window: a text on the message picture until a click,
// Return or Space.
#include "platform/SceneWindow.h"
#include "stage/Stage.h"

namespace tarnwick {

class TMessDlg : public SceneWindow {
    Q_OBJECT
public:
    explicit TMessDlg(const Stage& stage);
    void ShowModal(const QString& text);

    QLabel* Mess;

protected:
    void FormPaint();
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    const Stage& stage_;
};

}  // namespace tarnwick
