// SPDX-License-Identifier: GPL-3.0-or-later
// Saving and loading games from the tool bar.
#include <QDir>
#include <QFileInfo>
#include <filesystem>

#include "shell/GameWindows.h"
#include "shell/Load.h"
#include "shell/Main.h"
#include "shell/SaveFolder.h"
#include "shell/Saveas.h"
#include "state/SavedGame.h"

namespace tarnwick {

namespace {

const BiText SaveFailed{"Das Spiel konnte nicht gespeichert werden.", "The game could not be saved."};
const BiText LoadFailed{"Das Spiel konnte nicht geladen werden.", "The game could not be loaded."};

// Both file windows open where the current game lies, or in the folder for
// saved games when that file is not there (yet); saving makes that folder.
QString StartDirectory(const Game& game, bool saving) {
    const QFileInfo current(QString::fromStdString(game.GameFileName));
    if (current.isFile()) return current.absolutePath();
    return QString::fromStdString(SaveFolder(game.ProgramDir, saving));
}

// The file a typed name means: in the folder shown unless the name brings
// its own, always with the game's extension in place of the last one.
QString SavedGamePath(const QString& directory, const QString& typed) {
    std::filesystem::path name(QDir(directory).filePath(typed).toStdString());
    name.replace_extension(".htk");
    return QString::fromStdString(name.string());
}

}  // namespace

void TMainForm::StoreBtnClick() {
    TSaveAsDlg* SaveAsDlg = windows_.SaveAsDlg;
    if (!SaveAsDlg) return;
    if (SaveAsDlg->ShowModal(StartDirectory(game_, true)) != ModalDone) return;
    const QString typed = SaveAsDlg->FileEdit->text().trimmed();
    // Without a name there is nothing to save under.
    const QString namePart = QFileInfo(typed).fileName();
    if (namePart.isEmpty() || namePart == "." || namePart == "..") return;
    const std::string path = SavedGamePath(SaveAsDlg->Directory(), typed).toStdString();
    if (!WriteSavedGameFile(path, RecordFromState(game_))) {
        stage_.Say(SaveFailed);
        return;
    }
    game_.GameFileName = path;
}

void TMainForm::LoadBtnClick() {
    TLoadDlg* LoadDlg = windows_.LoadDlg;
    if (!LoadDlg) return;
    if (LoadDlg->ShowModal(StartDirectory(game_, false)) != ModalDone) return;
    const QString path = LoadDlg->FilePath();
    if (path.isEmpty()) return;
    const auto saved = ReadSavedGameFile(path.toStdString());
    if (!saved) {
        stage_.Say(LoadFailed);
        return;
    }
    game_.GameFileName = path.toStdString();
    PlaySavedGame(*saved);
    Repaint();
}

}  // namespace tarnwick
