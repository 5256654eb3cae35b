// SPDX-License-Identifier: GPL-3.0-or-later
#include "stage/TextScene.h"

#include "state/Texts.h"

namespace tarnwick {

TextScene::TextScene(const Stage& stage, const char* name, const char* picture, std::vector<Line> lines)
    : SceneWindow(400, 300), stage_(stage), picture_(picture), lines_(std::move(lines)) {
    setObjectName(name);
    SetClosableBySystem(false);
    for (const Line& line : lines_) {
        QLabel* label = MakeSceneLabel(this, line.left, line.top, line.width, line.height, "Times New Roman",
                                       line.pixelHeight, Qt::white);
        if (line.bold) label->setFont(GameFont("Times New Roman", line.pixelHeight, true));
        Lines.push_back(label);
    }
    OKBtn = MakeGlyphButton(this, 368, 268, 25, 25, ":/glyphs/maze_ok.png");
    connect(OKBtn, &QPushButton::clicked, this, [this] { Finish(ModalDone); });
    surface()->OnPaint = [this] { Paint(); };
}

void TextScene::FormShow() {
    for (std::size_t n = 0; n < lines_.size(); ++n) Lines[n]->setText(stage_.Text(lines_[n].text));
    SetHint(OKBtn, stage_.Text(texts::LeaveHint));
    if (!Lines.empty()) setAccessibleName(Lines.front()->text());
    OKBtn->setFocus();
}

void TextScene::Paint() { DrawPictureFile(QString::fromStdString(stage_.game.ProgramDir + picture_)); }

void TextScene::showEvent(QShowEvent* event) {
    FormShow();
    SceneWindow::showEvent(event);
}

}  // namespace tarnwick
