// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window that asks where to save the game: a name field over the list
// of saved games, the folders and the drives.
#include <QLineEdit>

#include "shell/FileBoxes.h"

namespace tarnwick {

class TSaveAsDlg : public FileWindow {
    Q_OBJECT
public:
    explicit TSaveAsDlg(const Game& game);

    QLabel* Label4 = nullptr;  // over the name field
    QLineEdit* FileEdit = nullptr;  // the name to save under, in the folder shown

    // Fills in the current game's name, ready to be typed over.
    void FormActivate() override;
    void FormShow() override;

protected:
    void AddControls() override;
};

}  // namespace tarnwick
