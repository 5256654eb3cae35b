#pragma once
// The window that asks where to save the game: a name field over the list
// of saved games, the folders and the drives.
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "shell/FileBoxes.h"

namespace tarnwick {

class TSaveAsDlg : public QDialog {
    Q_OBJECT
public:
    TSaveAsDlg();

    // Opens in the given folder with the current game's name filled in;
    // returns the modal result, 1 save or 2 cancelled.
    int ShowModal(const QString& directory);
    // The folder the lists show; the name to save under is in FileEdit.
    void SetDirectory(const QString& directory) { boxes_->SetDirectory(directory); }
    QString Directory() const { return boxes_->Directory(); }

    QGroupBox* GroupBox1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLineEdit* FileEdit;
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

extern TSaveAsDlg* SaveAsDlg;

}  // namespace tarnwick
