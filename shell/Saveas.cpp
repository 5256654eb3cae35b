#include "shell/Saveas.h"

#include <QFileInfo>

#include "platform/SceneWindow.h"
#include "shell/GameState.h"
#include "shell/Texts.h"

namespace tarnwick {

TSaveAsDlg* SaveAsDlg = nullptr;

TSaveAsDlg::TSaveAsDlg() : QDialog(MainWindow()) {
    setObjectName("TSaveAsDlg");
    SetUpFileWindow(this, OKBtn, CancelBtn);

    GroupBox1 = new QGroupBox(this);
    GroupBox1->setGeometry(8, 4, 313, 229);
    Label4 = new QLabel(GroupBox1);
    Label4->move(8, 12);
    FileEdit = new QLineEdit(GroupBox1);
    FileEdit->setGeometry(8, 28, 145, 20);
    Label1 = new QLabel(GroupBox1);
    Label1->move(8, 52);
    FileListBox = new QListWidget(GroupBox1);
    FileListBox->setGeometry(8, 68, 145, 154);
    Label2 = new QLabel(GroupBox1);
    Label2->move(160, 12);
    DirectoryListBox = new QListWidget(GroupBox1);
    DirectoryListBox->setGeometry(160, 28, 145, 149);
    Label3 = new QLabel(GroupBox1);
    Label3->move(160, 184);
    DriveComboBox = new QComboBox(GroupBox1);
    DriveComboBox->setGeometry(160, 202, 145, 19);
    for (QLabel* label : {Label1, Label2, Label3, Label4}) label->resize(145, 14);

    boxes_ = new FileBoxes(FileListBox, DirectoryListBox, DriveComboBox);
    connect(boxes_, &FileBoxes::FileChosen, FileEdit, &QLineEdit::setText);
    connect(boxes_, &FileBoxes::FileDoubleClicked, this, [this] { FileListBoxDblClick(); });
    setTabOrder(FileEdit, FileListBox);
    setTabOrder(FileListBox, DirectoryListBox);
    setTabOrder(DirectoryListBox, DriveComboBox);
    setTabOrder(DriveComboBox, OKBtn);
    setTabOrder(OKBtn, CancelBtn);
}

int TSaveAsDlg::ShowModal(const QString& directory) {
    SetDirectory(directory);
    FormActivate();
    return RunModal(this);
}

void TSaveAsDlg::FormActivate() {
    boxes_->Refresh();
    FileEdit->setText(QFileInfo(QString::fromStdString(GameFileName)).fileName());
    FileEdit->selectAll();
    FileEdit->setFocus();
    setWindowTitle(Text({"Spiel speichern als ...", "Save game as ..."}));
    Label1->setText(Text({"Dateien:", "Files:"}));
    Label2->setText(Text({"Verzeichnisse:", "Directories:"}));
    Label3->setText(Text({"Laufwerke:", "Drives:"}));
    Label4->setText(Text({"Dateiname:", "Filename:"}));
    CancelBtn->setText(Text({"Abbruch", "Escape"}));
    CentreFileWindow(this);
}

void TSaveAsDlg::FileListBoxDblClick() { done(ModalDone); }

}  // namespace tarnwick
