#pragma once
// The congratulation when the corridors are back in their proper pattern.
#include "platform/SceneWindow.h"

namespace tarnwick {

class TMazeWin : public SceneWindow {
    Q_OBJECT
public:
    TMazeWin();

    QLabel* Label1;
    QLabel* Label2;
    QPushButton* OKBtn;

protected:
    void FormShow();
    void Paint();
    void showEvent(QShowEvent* event) override;
};

extern TMazeWin* MazeWin;

}  // namespace tarnwick
