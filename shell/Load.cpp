// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Load.h"

#include <QDir>
#include <QFileInfo>


namespace tarnwick {

TLoadDlg::TLoadDlg(const Game& game)
    : FileWindow(game, "TLoadDlg", {"Spiel laden", "Load game"}, QRect(8, 28, 145, 193)) {}

QString TLoadDlg::FilePath() const {
    const QString name = boxes_ ? boxes_->FileName() : QString();
    return name.isEmpty() ? QString() : QDir(Directory()).filePath(name);
}

void TLoadDlg::FormActivate() {
    FileWindow::FormActivate();
    const QFileInfo current(QString::fromStdString(game_.GameFileName));
    if (current.absolutePath() == Directory()) SelectFile(current.fileName());
}

void TLoadDlg::FormShow() { OKBtn->setFocus(); }

}  // namespace tarnwick
