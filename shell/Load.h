// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window that asks which saved game to load: the list of saved games
// beside the folders and the drives.
#include "shell/FileBoxes.h"

namespace tarnwick {

class TLoadDlg : public FileWindow {
    Q_OBJECT
public:
    explicit TLoadDlg(const Game& game);

    // The full name of the file picked in the list, or empty.
    QString FilePath() const;

    // Picks the current game when it lies in the folder shown.
    void FormActivate() override;
    void FormShow() override;
};

}  // namespace tarnwick
