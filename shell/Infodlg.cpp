// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Infodlg.h"

#include <QFrame>

#include "platform/SceneWindow.h"
#include "shell/DialogLook.h"
#include "shell/GameWindows.h"
#include "shell/Main.h"
#include "shell/Tongdlg.h"

namespace tarnwick {

namespace {

QLabel* MakeLabel(QWidget* parent, int left, int top, int width, int height) {
    auto* label = new QLabel(parent);
    label->setGeometry(left, top, width, height);
    return label;
}

QFrame* MakeRule(QWidget* parent, int top) {
    auto* rule = new QFrame(parent);
    rule->setGeometry(8, top, 293, 2);
    rule->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    return rule;
}

const BiText Caption{" - Info über ...", " - Info about ..."};
const BiText TongueCaption{"Sprache", "language"};
const BiText CreditLines{
    "<p style='margin:0 0 9px 0'><i>Ein Rätselabenteuer im Keller des Königs.</i></p>"
    "<p style='margin:0 0 9px 0'>Geschichte, Rätsel, Bilder und Klänge:<br><b>Fennick Games</b></p>"
    "<p style='margin:0 0 9px 0'>Zwölf Kammern, zwölf Rätsel, ein zerbrochenes Schachbrett "
    "&ndash; gute Unterhaltung und einen klaren Kopf!</p>"
    "<p style='margin:0 0 9px 0'>Mehr Spiele von uns: der Knopf ganz rechts in der Werkzeugleiste.</p>"
    "<p style='margin:0'>&copy; Fennick Games</p>",
    "<p style='margin:0 0 9px 0'><i>A puzzle adventure in the king's cellar.</i></p>"
    "<p style='margin:0 0 9px 0'>Story, riddles, pictures and sounds:<br><b>Fennick Games</b></p>"
    "<p style='margin:0 0 9px 0'>Twelve chambers, twelve riddles, one broken chess board "
    "&ndash; good entertainment and a clear head!</p>"
    "<p style='margin:0 0 9px 0'>More of our games: the button at the far right of the tool bar.</p>"
    "<p style='margin:0'>&copy; Fennick Games</p>"};

}  // namespace

TInfoDialog::TInfoDialog(GameWindows& windows) : windows_(windows), stage_(windows.stage) {
    setObjectName("TInfoDialog");
    setFixedSize(309, 354);
    SetParchmentLook(this);

    Image1 = MakeLabel(this, 8, 8, 101, 77);
    Image1->setPixmap(QPixmap(":/glyphs/about.png"));
    Image1->setFrameStyle(QFrame::NoFrame);

    progname = MakeLabel(this, 112, 8, 189, 25);
    progname->setFont(GameFont("Arial", 19, true));
    progname->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    version = MakeLabel(this, 112, 32, 189, 13);
    version->setFont(GameFont("Liberation Sans", 11));
    version->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);

    MakeRule(this, 90);
    Image4 = MakeIconPicture(this, 36, 96);
    Credits = MakeLabel(this, 86, 100, 213, 204);
    Credits->setWordWrap(true);
    Credits->setTextFormat(Qt::RichText);
    Credits->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Credits->setFont(GameFont("Liberation Serif", 13));
    MakeRule(this, 311);

    TongBtn = MakeGlyphButton(this, 72, 320, 77, 27, ":/glyphs/about_lang.png");
    TongBtn->setFont(GameFont("Liberation Sans", 12));
    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setGeometry(156, 320, 77, 27);
    OKBtn->setDefault(true);
    connect(TongBtn, &QPushButton::clicked, this, [this] { TongBtnClick(); });
    connect(OKBtn, &QPushButton::clicked, this, [this] { done(ModalDone); });

    FormCreate();
}

void TInfoDialog::FormCreate() {
    progname->setText(QStringLiteral("Tarnwick"));
    version->setText(QStringLiteral("Version  V1.3"));
}

int TInfoDialog::ShowModal() {
    FormActivate();
    return RunModal(this);
}

void TInfoDialog::FormActivate() {
    setWindowTitle(QString::fromUtf8(MakerName) + stage_.Text(Caption));
    TongBtn->setText(stage_.Text(TongueCaption));
    Credits->setText(stage_.Text(CreditLines));
}

void TInfoDialog::TongBtnClick() {
    if (windows_.TongueDlg) windows_.TongueDlg->ShowModal();
    FormActivate();
    if (windows_.MainForm) windows_.MainForm->SetHints();
    done(ModalDone);
}

void TInfoDialog::showEvent(QShowEvent* event) {
    OKBtn->setFocus();
    DialogScene::showEvent(event);
}

}  // namespace tarnwick
