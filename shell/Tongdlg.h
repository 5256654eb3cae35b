// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The language window: English or German for every text of the game.
#include "platform/SceneWindow.h"
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "state/Game.h"

namespace tarnwick {

class TTongueDlg : public DialogScene {
    Q_OBJECT
public:
    explicit TTongueDlg(Game& game);

    // Shows the window modally; 1 when a language was chosen, else 2.
    int ShowModal();

    QFrame* Bevel1;
    QWidget* Image4;         // the game's icon
    QPushButton* EnglishBtn;
    QPushButton* GermanBtn;

    void EnglishBtnClick();
    void GermanBtnClick();

private:
    void FormCreate();

    Game& game_;
};

}  // namespace tarnwick
