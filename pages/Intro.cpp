// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/Intro.h"

#include <QFileInfo>

#include "pages/IntroTexts.h"

namespace tarnwick {

namespace {

struct StoryPageLayout {
    const char* picture;
    int labels[3];  // the labels shown, 0 = none
};

const StoryPageLayout StoryPages[TIntroWin::PageCount + 1] = {
    {"b7.bmp", {}},
    {"b7.bmp", {1, 2}},      {"b7.bmp", {3, 4}},      {"b7.bmp", {5, 6}},
    {"b7.bmp", {7}},         {"b1.bmp", {8, 9}},      {"b3.bmp", {10, 11}},
    {"b3.bmp", {12, 13, 14}}, {"b4.bmp", {15, 16}},   {"b4.bmp", {17, 18, 19}},
};

// The page whose picture the clip plays on.
constexpr int ClipPage = 4;

struct LabelRect {
    int left, top, width, height;
};

const LabelRect LabelRects[20] = {
    {0, 0, 0, 0},
    {44, 48, 321, 105},  {44, 176, 321, 41},  {44, 32, 317, 121},  {36, 176, 329, 77},
    {28, 40, 337, 89},   {28, 152, 349, 69},  {56, 24, 297, 69},   {52, 44, 297, 77},
    {52, 136, 297, 93},  {56, 48, 297, 77},   {44, 132, 313, 93},  {52, 36, 297, 69},
    {44, 112, 313, 69},  {44, 192, 317, 49},  {64, 48, 277, 93},   {44, 156, 313, 69},
    {36, 24, 329, 93},   {36, 124, 329, 25},  {44, 164, 313, 93},
};

}  // namespace

TIntroWin::TIntroWin(const Stage& stage)
    : PageWindow(stage, "TIntroWin", PageCount, {"Ich möcht beginnen.", "Start now."},
                 {"Die Geschichte", "The story"}) {
    for (int n = 1; n <= 19; ++n) {
        const LabelRect& r = LabelRects[n];
        Label[n] = AddLabel(QString("Label%1").arg(n), r.left, r.top, r.width, r.height,
                            n == 18 ? 21 : 19);
        Label[n]->hide();
    }

    Panel1 = new PaintBox(this, 44, 128, 240, 148);
    Panel1->setObjectName("Panel1");
    Panel1->OnMouseDown = [this](Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
        Panel1Click();
    };
    Panel1->hide();
    MediaPlayer1 = std::make_unique<ClipPlayer>(Panel1);
}

// The clip is closed with the window at program end.
TIntroWin::~TIntroWin() = default;

bool TIntroWin::FormCreate() {
    PageWindow::FormCreate();
    // Only named and checked now: the clip (and the decoder behind it) is
    // opened the first time its page is drawn.
    clipFile_ = QString::fromStdString(stage_.game.ProgramDir + "a1.avi");
    const QFileInfo clip(clipFile_);
    ClipFailed = !clip.isFile() || !clip.isReadable();
    return true;
}

bool TIntroWin::ClipReady() {
    if (!ClipFailed && !clipOpened_) {
        clipOpened_ = true;
        ClipFailed = !MediaPlayer1->Open(clipFile_);
    }
    return !ClipFailed;
}

void TIntroWin::FillTexts() {
    for (int n = 1; n <= 19; ++n) Label[n]->setText(stage_.Text(StoryTexts[n]));
}

void TIntroWin::Paint() {
    DrawPagePicture(StoryPages[StoryPage].picture);
    if (StoryPage == ClipPage && ClipReady()) FramePanel();
}

// A narrow wooden frame with a gilt edge around the clip.
void TIntroWin::FramePanel() {
    Picture& canvas = surface()->canvas;
    const QRect frame = Panel1->geometry().adjusted(-4, -4, 4, 4);
    const QRect rim = Panel1->geometry().adjusted(-1, -1, 1, 1);
    FillRect(canvas, frame.x(), frame.y(), frame.width(), frame.height(), qRgb(52, 30, 14));
    OutlineRect(canvas, frame.x(), frame.y(), frame.width(), frame.height(), qRgb(196, 150, 64));
    OutlineRect(canvas, rim.x(), rim.y(), rim.width(), rim.height(), qRgb(20, 10, 4));
}

void TIntroWin::Panel1Click() {
    if (ClipReady()) MediaPlayer1->Play();
}

void TIntroWin::HideStoryPage() {
    for (int n = 1; n <= 19; ++n) Label[n]->hide();
    Panel1->hide();
}

void TIntroWin::ShowStoryPage() {
    for (int n : StoryPages[StoryPage].labels)
        if (n != 0) Label[n]->show();
    if (StoryPage == ClipPage && ClipReady()) {
        Panel1->show();
        // From where it stands, or from the start once it has run through.
        MediaPlayer1->Play();
    }
}

}  // namespace tarnwick
