// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The about window: who made the game, its version, and a way to the
// language window.
#include "platform/SceneWindow.h"
#include <QLabel>
#include <QPushButton>

#include "stage/Stage.h"

namespace tarnwick {

class GameWindows;

class TInfoDialog : public DialogScene {
    Q_OBJECT
public:
    explicit TInfoDialog(GameWindows& windows);

    int ShowModal();

    QLabel* Image1;      // the title picture
    QLabel* progname;
    QLabel* version;
    QWidget* Image4;     // the game's icon
    QLabel* Credits;
    QPushButton* TongBtn;
    QPushButton* OKBtn;

    void FormActivate();  // the texts in the current language
    void TongBtnClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();

    GameWindows& windows_;
    const Stage& stage_;
};

// The maker's name, as the about window's caption shows it.
constexpr const char* MakerName = "Fennick Games";

}  // namespace tarnwick
