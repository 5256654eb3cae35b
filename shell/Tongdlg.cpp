// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Tongdlg.h"

#include "platform/SceneWindow.h"
#include "shell/DialogLook.h"

namespace tarnwick {

TTongueDlg::TTongueDlg(Game& game) : game_(game) {
    setObjectName("TTongueDlg");
    setFixedSize(320, 91);
    SetParchmentLook(this);

    Bevel1 = new QFrame(this);
    Bevel1->setGeometry(8, 8, 305, 77);
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);

    Image4 = MakeIconPicture(this, 28, 28);

    EnglishBtn = MakeGlyphButton(this, 84, 16, 221, 27, ":/glyphs/lang_en.png");
    EnglishBtn->setText(QStringLiteral("I speak english."));
    SpaceGlyphFromCaption(EnglishBtn);
    GermanBtn = MakeGlyphButton(this, 84, 48, 221, 27, ":/glyphs/lang_de.png");
    GermanBtn->setText(QStringLiteral("Ich spreche deutsch."));
    SpaceGlyphFromCaption(GermanBtn);
    connect(EnglishBtn, &QPushButton::clicked, this, [this] { EnglishBtnClick(); });
    connect(GermanBtn, &QPushButton::clicked, this, [this] { GermanBtnClick(); });

    FormCreate();
}

void TTongueDlg::FormCreate() { setWindowTitle(QStringLiteral("Tarnwick V1.3")); }

int TTongueDlg::ShowModal() { return RunModal(this); }

void TTongueDlg::EnglishBtnClick() {
    game_.Language = 0;
    done(ModalDone);
}

void TTongueDlg::GermanBtnClick() {
    game_.Language = 1;
    done(ModalDone);
}


}  // namespace tarnwick
