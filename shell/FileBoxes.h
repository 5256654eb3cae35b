#pragma once
// The three lists both file windows pick a saved game with: the drive box
// drives the directory list, the directory list drives the file list, which
// shows only the game's ".htk" files.
#include <QComboBox>
#include <QDialog>
#include <QFont>
#include <QListWidget>
#include <QPushButton>
#include <QObject>
#include <QString>

namespace tarnwick {

class FileBoxes : public QObject {
    Q_OBJECT
public:
    FileBoxes(QListWidget* fileList, QListWidget* directoryList, QComboBox* driveBox);

    // Shows the given folder; a folder that is gone falls back to the
    // nearest one above it that still exists.
    void SetDirectory(const QString& directory);
    QString Directory() const { return directory_; }
    // Reads the folder again: the drives, the subfolders and the files.
    void Refresh();

    // The file chosen in the list: its name, or empty when none is.
    QString FileName() const;
    // Marks a file of the list as chosen; false when it is not there.
    bool SelectFile(const QString& name);

signals:
    void FileChosen(const QString& name);
    void FileDoubleClicked();

private:
    void FillDrives();
    void FillDirectories();
    void FillFiles();
    void DriveActivated(int index);

    QListWidget* files_;
    QListWidget* directories_;
    QComboBox* drives_;
    QString directory_;
};

// What the two file windows share besides the lists: a fixed-size dialog
// with a caption in the system's small dialog font, the OK button (the
// default, result 1) and the cancel button (result 2) under the lists.
void SetUpFileWindow(QDialog* window, QPushButton*& okButton, QPushButton*& cancelButton);
// Puts a file window in the middle of the screen it is on.
void CentreFileWindow(QWidget* window);

}  // namespace tarnwick
