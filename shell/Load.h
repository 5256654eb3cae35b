#pragma once
// The window that asks which saved game to load: the list of saved games
// beside the folders and the drives.
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "shell/FileBoxes.h"

namespace tarnwick {

class TLoadDlg : public QDialog {
    Q_OBJECT
public:
    TLoadDlg();

    // Opens in the given folder; returns the modal result, 1 load or 2
    // cancelled.
    int ShowModal(const QString& directory);
    void SetDirectory(const QString& directory) { boxes_->SetDirectory(directory); }
    QString Directory() const { return boxes_->Directory(); }
    // Picks a file of the list by its name; false when it is not there.
    bool SelectFile(const QString& name) { return boxes_->SelectFile(name); }
    // The full name of the file picked in the list, or empty.
    QString FilePath() const;

    QGroupBox* GroupBox1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QListWidget* FileListBox;
    QListWidget* DirectoryListBox;
    QComboBox* DriveComboBox;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

    void FormActivate();
    void FileListBoxDblClick();

private:
    FileBoxes* boxes_;
};

extern TLoadDlg* LoadDlg;

}  // namespace tarnwick
