#include "shell/Load.h"

#include <QDir>
#include <QFileInfo>

#include "platform/SceneWindow.h"
#include "shell/GameState.h"
#include "shell/Texts.h"

namespace tarnwick {

TLoadDlg* LoadDlg = nullptr;

TLoadDlg::TLoadDlg() : QDialog(MainWindow()) {
    setObjectName("TLoadDlg");
    SetUpFileWindow(this, OKBtn, CancelBtn);

    GroupBox1 = new QGroupBox(this);
    GroupBox1->setGeometry(8, 4, 313, 229);
    Label1 = new QLabel(GroupBox1);
    Label1->move(8, 12);
    FileListBox = new QListWidget(GroupBox1);
    FileListBox->setGeometry(8, 28, 145, 193);
    Label2 = new QLabel(GroupBox1);
    Label2->move(160, 12);
    DirectoryListBox = new QListWidget(GroupBox1);
    DirectoryListBox->setGeometry(160, 28, 145, 149);
    Label3 = new QLabel(GroupBox1);
    Label3->move(160, 184);
    DriveComboBox = new QComboBox(GroupBox1);
    DriveComboBox->setGeometry(160, 202, 145, 19);
    for (QLabel* label : {Label1, Label2, Label3}) label->resize(145, 14);

    boxes_ = new FileBoxes(FileListBox, DirectoryListBox, DriveComboBox);
    connect(boxes_, &FileBoxes::FileDoubleClicked, this, [this] { FileListBoxDblClick(); });
    setTabOrder(FileListBox, DirectoryListBox);
    setTabOrder(DirectoryListBox, DriveComboBox);
    setTabOrder(DriveComboBox, OKBtn);
    setTabOrder(OKBtn, CancelBtn);
}

int TLoadDlg::ShowModal(const QString& directory) {
    SetDirectory(directory);
    FormActivate();
    return RunModal(this);
}

QString TLoadDlg::FilePath() const {
    const QString name = boxes_->FileName();
    return name.isEmpty() ? QString() : QDir(Directory()).filePath(name);
}

void TLoadDlg::FormActivate() {
    boxes_->Refresh();
    // The current game is picked when it lies in this folder.
    const QFileInfo current(QString::fromStdString(GameFileName));
    if (current.absolutePath() == Directory()) SelectFile(current.fileName());
    OKBtn->setFocus();
    setWindowTitle(Text({"Spiel laden", "Load game"}));
    Label1->setText(Text({"Dateien:", "Files:"}));
    Label2->setText(Text({"Verzeichnisse:", "Directories:"}));
    Label3->setText(Text({"Laufwerke:", "Drives:"}));
    CancelBtn->setText(Text({"Abbruch", "Escape"}));
    CentreFileWindow(this);
}

void TLoadDlg::FileListBoxDblClick() { done(ModalDone); }

}  // namespace tarnwick
