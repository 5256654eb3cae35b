// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Saveas.h"

#include <QFileInfo>


namespace tarnwick {

TSaveAsDlg::TSaveAsDlg(const Game& game)
    : FileWindow(game, "TSaveAsDlg", {"Spiel speichern als ...", "Save game as ..."},
                 QRect(8, 68, 145, 154)) {}

void TSaveAsDlg::AddControls() {
    Label4 = AddCaption(8, 12);
    FileEdit = new QLineEdit(GroupBox1);
    FileEdit->setGeometry(8, 28, 145, 20);
    Label4->setBuddy(FileEdit);
    connect(boxes_, &FileBoxes::FileChosen, FileEdit, &QLineEdit::setText);
    OrderTabs(FileEdit);
}

void TSaveAsDlg::FormActivate() {
    FileWindow::FormActivate();
    Label4->setText(Text({"Dateiname:", "Filename:"}));
    FileEdit->setText(QFileInfo(QString::fromStdString(game_.GameFileName)).fileName());
    FileEdit->selectAll();
}

void TSaveAsDlg::FormShow() { FileEdit->setFocus(); }

}  // namespace tarnwick
