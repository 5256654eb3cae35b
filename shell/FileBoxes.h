// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two file windows, the one that saves and the one that loads a game:
// three lists to pick a saved game with (the drive box drives the directory
// list, the directory list drives the file list, which shows only the game's
// ".htk" files), captions over them and OK and cancel under them.
#include <QComboBox>
#include "platform/SceneWindow.h"
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QObject>
#include <QPushButton>
#include <QString>

#include "state/Game.h"

namespace tarnwick {

class FileBoxes : public QObject {
    Q_OBJECT
public:
    FileBoxes(QListWidget* fileList, QListWidget* directoryList, QComboBox* driveBox);

    // Shows the given folder; a folder that is gone falls back to the
    // nearest one above it that still exists.
    void SetDirectory(const QString& directory);
    // The same, without reading the folder yet (a Refresh follows).
    void Locate(const QString& directory);
    QString Directory() const { return directory_; }
    // Reads the folder again: the drives, the subfolders and the files.
    void Refresh();

    // The file chosen in the list: its name, or empty when none is.
    QString FileName() const;
    // Marks a file of the list as chosen; false when it is not there.
    bool SelectFile(const QString& name);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

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

// A fixed-size dialog scene with a caption, in the system's small dialog
// font: the lists in a group box, OK (the default, result 1) and cancel
// (result 2) under it. Its controls
// are made when it is first activated: the text field, the fonts and the
// icons they need cost more than the whole rest of start-up.
class FileWindow : public DialogScene {
    Q_OBJECT
public:
    // Opens in the given folder; returns the modal result, 1 OK or 2
    // cancelled.
    int ShowModal(const QString& directory);
    void SetDirectory(const QString& directory);
    QString Directory() const { return boxes_ ? boxes_->Directory() : QString(); }
    // Picks a file of the list by its name; false when it is not there.
    bool SelectFile(const QString& name);

    // Null until the window is first activated.
    QGroupBox* GroupBox1 = nullptr;
    QLabel* Label1 = nullptr;  // over the file list
    QLabel* Label2 = nullptr;  // over the directory list
    QLabel* Label3 = nullptr;  // over the drive box
    QListWidget* FileListBox = nullptr;
    QListWidget* DirectoryListBox = nullptr;
    QComboBox* DriveComboBox = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

    // Reads the folder again and puts the captions in the current language.
    virtual void FormActivate();
    // The window on show: the keyboard goes to its first control.
    virtual void FormShow() {}
    void FileListBoxDblClick();

protected:
    // The file list lies at fileList in the group, its caption over it.
    FileWindow(const Game& game, const char* name, const BiText& title, const QRect& fileList);

    void showEvent(QShowEvent* event) override;

    // Makes the controls the first time they are needed.
    void Build();
    // A window's own controls beyond the lists and buttons, made once by Build.
    virtual void AddControls() {}

    // A caption at the given place in the group, wide enough for every
    // language; the box it names is placed by the caller.
    QLabel* AddCaption(int left, int top);

    // Tab goes from the given box (none: the file list) through the lists
    // to OK and cancel.
    void OrderTabs(QWidget* first);

    QString Text(const BiText& text) const { return QString::fromUtf8(game_.Tr(text)); }

    const Game& game_;
    FileBoxes* boxes_ = nullptr;

private:
    BiText title_;
    QRect fileList_;
};

}  // namespace tarnwick
