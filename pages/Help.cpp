#include "pages/Help.h"

#include <algorithm>

#include "pages/HelpTexts.h"
#include "shell/Texts.h"

namespace tarnwick {

THelpWin* HelpWin = nullptr;

namespace {

struct LabelPlace {
    int top, height, pixelHeight;
};

// Every label spans the window's width; the rectangles overlap, and each
// page fills only labels whose texts keep clear of one another.
const LabelPlace LabelPlaces[10] = {
    {0, 0, 0},     {20, 25, 21},   {60, 109, 19},  {88, 109, 19},  {116, 109, 19},
    {144, 109, 19}, {172, 109, 19}, {196, 97, 19}, {228, 33, 21},  {220, 70, 19},
};

const BiText DownHint{"Wie gehts weiter?", "Go on."};
const BiText UpHint{"Wie war das nochmal?", "Go back."};
const BiText OKHint{"Genug.", "That's enough."};

}  // namespace

THelpWin::THelpWin() : SceneWindow(400, 300, false) {
    setObjectName("THelpWin");
    SetClosableBySystem(false);
    surface()->OnPaint = [this] { Paint(); };

    for (int n = 1; n <= 9; ++n) {
        const LabelPlace& place = LabelPlaces[n];
        c[n] = new PageLabel(this, 10, place.top, 380, place.height, place.pixelHeight);
        c[n]->setObjectName(QString("c%1").arg(n));
    }

    const PageButtons buttons = MakePageButtons(this);
    OKBtn = buttons.OKBtn;
    DownBtn = buttons.DownBtn;
    UpBtn = buttons.UpBtn;
    connect(OKBtn, &QPushButton::clicked, this, [this] { Finish(ModalDone); });
    connect(DownBtn, &QPushButton::clicked, this, [this] { NextPage(); });
    connect(UpBtn, &QPushButton::clicked, this, [this] { PrevPage(); });
}

bool THelpWin::FormCreate() {
    CentreOverMainWindow();
    return true;
}

int THelpWin::ShowModal() {
    Activate();
    return RunModal(this);
}

void THelpWin::FormShow() { CentreOverMainWindow(); }

void THelpWin::showEvent(QShowEvent* event) {
    FormShow();
    SceneWindow::showEvent(event);
}

void THelpWin::Activate() {
    HelpPage = 1;
    DownBtn->setToolTip(Text(DownHint));
    UpBtn->setToolTip(Text(UpHint));
    OKBtn->setToolTip(Text(OKHint));
    Paint();
    surface()->update();
    BuildHelpPage();
}

void THelpWin::Paint() { DrawPagePicture(surface()->canvas, HelpPages[HelpPage].picture); }

void THelpWin::NextPage() {
    HelpPage = std::min(HelpPage + 1, HelpPageCount);
    Paint();
    surface()->update();
    BuildHelpPage();
}

void THelpWin::PrevPage() {
    HelpPage = std::max(HelpPage - 1, 1);
    Paint();
    surface()->update();
    BuildHelpPage();
}

void THelpWin::BuildHelpPage() {
    for (int n = 1; n <= 9; ++n) c[n]->clear();
    const HelpPageContent& page = HelpPages[HelpPage];
    c[1]->setText(Text(page.heading));
    for (const HelpText& text : page.texts)
        if (text.label != 0) c[text.label]->setText(Text(text.text));
    DownBtn->setEnabled(HelpPage < HelpPageCount);
    UpBtn->setEnabled(HelpPage > 1);
}

}  // namespace tarnwick
