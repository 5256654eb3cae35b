#pragma once
// The end of the mission: the king has his chess board back.
#include <QPushButton>

#include "platform/SceneWindow.h"

namespace tarnwick {

class TDoneWin : public SceneWindow {
    Q_OBJECT
public:
    TDoneWin();

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QPushButton* OKBtn;

    void FormShow();
    void Paint();

protected:
    void showEvent(QShowEvent* event) override;
};

extern TDoneWin* DoneWin;

}  // namespace tarnwick
