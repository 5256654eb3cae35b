// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CursorFrame.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>

namespace tarnwick {

namespace {
const QColor Dark(0x1a, 0x10, 0x08);
const QColor Light(0xff, 0xe8, 0x6a);
}  // namespace

void DrawCursorFrame(QPainter& painter, const QRect& around) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    const QRect outer = around.adjusted(-CursorFrameReach, -CursorFrameReach, CursorFrameReach, CursorFrameReach);
    // Rings one pixel wide from the outside in: dark, light, light, dark.
    const QColor rings[] = {Dark, Light, Light, Dark};
    for (int ring = 0; ring < 4; ++ring) {
        QPen pen(rings[ring], 1);
        pen.setCosmetic(false);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.drawRect(outer.adjusted(ring, ring, -ring - 1, -ring - 1));
    }
    painter.restore();
}

CursorFrame::CursorFrame(QWidget* area) : QWidget(area) {
    setObjectName("CursorFrame");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void CursorFrame::ShowAt(const QRect& around) {
    const bool moved = around != around_;
    around_ = around;
    const int reach = CursorFrameReach;
    setGeometry(around.adjusted(-reach, -reach, reach, reach));
    raise();
    if (isHidden()) {
        qApp->installEventFilter(this);
        show();
    } else if (moved) {
        update();
    }
}

void CursorFrame::Hide() {
    if (isHidden()) return;
    qApp->removeEventFilter(this);
    hide();
}

void CursorFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int reach = CursorFrameReach;
    DrawCursorFrame(painter, rect().adjusted(reach, reach, -reach, -reach));
}

bool CursorFrame::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) Hide();
    return false;
}

}  // namespace tarnwick
