// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/PageKit.h"

#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

#include "platform/SceneWindow.h"

namespace tarnwick {

namespace {
constexpr int TextFlags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
const QColor RimColour(24, 14, 6);
const BiText DownHint{"Wie gehts weiter?", "Go on."};
const BiText UpHint{"Wie war das nochmal?", "Go back."};
}  // namespace

PageLabel::PageLabel(QWidget* parent, int left, int top, int width, int height, int pixelHeight)
    : QLabel(parent) {
    setGeometry(left, top, width, height);
    setFont(GameFont("Times New Roman", pixelHeight));
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

QRect PageLabel::TextRect() const {
    if (text().isEmpty()) return QRect();
    return fontMetrics().boundingRect(QRect(0, 0, width(), 10000), TextFlags, text());
}

void PageLabel::paintEvent(QPaintEvent*) {
    if (text().isEmpty()) return;
    QPainter painter(this);
    painter.setFont(font());
    // A soft dark glow, a firm rim, then the letters.
    painter.setPen(QColor(RimColour.red(), RimColour.green(), RimColour.blue(), 60));
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
            if (dx * dx + dy * dy > 2) painter.drawText(rect().translated(dx, dy), TextFlags, text());
    painter.setPen(RimColour);
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (dx != 0 || dy != 0) painter.drawText(rect().translated(dx, dy), TextFlags, text());
    painter.setPen(Qt::white);
    painter.drawText(rect(), TextFlags, text());
}

PageWindow::PageWindow(const Stage& stage, const char* name, int pageCount, const BiText& okHint,
                       const BiText& title)
    : SceneWindow(400, 300), stage_(stage), pageCount_(pageCount), okHint_(okHint), title_(title) {
    setObjectName(name);
    SetClosableBySystem(false);
    surface()->OnPaint = [this] { Paint(); };

    OKBtn = MakeGlyphButton(this, 368, 268, 25, 25, ":/glyphs/page_ok.png");
    DownBtn = MakeGlyphButton(this, 340, 268, 25, 25, ":/glyphs/page_next.png");
    UpBtn = MakeGlyphButton(this, 312, 268, 25, 25, ":/glyphs/page_prev.png");
    OKBtn->setObjectName("OKBtn");
    DownBtn->setObjectName("DownBtn");
    UpBtn->setObjectName("UpBtn");
    setTabOrder(OKBtn, DownBtn);
    setTabOrder(DownBtn, UpBtn);
    connect(OKBtn, &QPushButton::clicked, this, [this] { Finish(ModalDone); });
    connect(DownBtn, &QPushButton::clicked, this, [this] { NextPage(); });
    connect(UpBtn, &QPushButton::clicked, this, [this] { PrevPage(); });
    for (QPushButton* button : {OKBtn, DownBtn, UpBtn}) button->installEventFilter(this);
}

bool PageWindow::TurnByKey(const QKeyEvent* event) {
    if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
    case Qt::Key_PageDown: NextPage(); return true;
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_PageUp: PrevPage(); return true;
    default: return false;
    }
}

void PageWindow::keyPressEvent(QKeyEvent* event) {
    if (TurnByKey(event)) return;
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        OKBtn->click();
        return;
    }
    SceneWindow::keyPressEvent(event);
}

bool PageWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && TurnByKey(static_cast<QKeyEvent*>(event))) return true;
    return SceneWindow::eventFilter(watched, event);
}

PageLabel* PageWindow::AddLabel(const QString& name, int left, int top, int width, int height,
                                int pixelHeight) {
    auto* label = new PageLabel(this, left, top, width, height, pixelHeight);
    label->setObjectName(name);
    label->stackUnder(OKBtn);
    return label;
}

bool PageWindow::FormCreate() { return true; }

int PageWindow::ShowModal() {
    Activate();
    return RunModal(this);
}

void PageWindow::FormShow() {}

void PageWindow::showEvent(QShowEvent* event) {
    FormShow();
    SceneWindow::showEvent(event);
}

void PageWindow::Activate() {
    FillTexts();
    SetHint(DownBtn, stage_.Text(DownHint));
    SetHint(UpBtn, stage_.Text(UpHint));
    SetHint(OKBtn, stage_.Text(okHint_));
    setAccessibleName(stage_.Text(title_));
    TurnTo(1);
}

void PageWindow::NextPage() { TurnTo(std::min(Page() + 1, pageCount_)); }

void PageWindow::PrevPage() { TurnTo(std::max(Page() - 1, 1)); }

void PageWindow::TurnTo(int page) {
    Page() = page;
    HidePage();
    Paint();
    surface()->Flush();
    ShowPage();
    DownBtn->setEnabled(page < pageCount_);
    UpBtn->setEnabled(page > 1);
}

void PageWindow::DrawPagePicture(const char* file) {
    DrawPictureFile(QString::fromStdString(stage_.game.ProgramDir + file));
}

}  // namespace tarnwick
