// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PaintBox.h"

#include <QMouseEvent>
#include <QPainter>

namespace tarnwick {

PaintBox::PaintBox(QWidget* parent, int left, int top, int width, int height) : QWidget(parent) {
    setGeometry(left, top, width, height);
    canvas.Create(width, height);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
}

void PaintBox::Flush() { Flush(rect()); }

void PaintBox::Flush(const QRect& area) {
    // Drawing done while the picture is being redrawn for the window system
    // reaches the screen with that paint.
    if (painting_) return;
    flushing_ = true;
    repaint(area);
    flushing_ = false;
}

void PaintBox::paintEvent(QPaintEvent* event) {
    if (!flushing_ && OnPaint) {
        painting_ = true;
        OnPaint();
        painting_ = false;
    }
    QPainter painter(this);
    const QRect r = event->rect();
    if (OnDraw) {
        OnDraw(painter, r);
        return;
    }
    painter.drawImage(r.topLeft(), canvas.Image(), r);
}

void PaintBox::mousePressEvent(QMouseEvent* event) {
    if (!OnMouseDown) {
        event->ignore();
        return;
    }
    const QPoint p = event->position().toPoint();
    OnMouseDown(event->button(), event->modifiers(), p.x(), p.y());
}

void PaintBox::mouseMoveEvent(QMouseEvent* event) {
    if (!OnMouseMove) {
        event->ignore();
        return;
    }
    const QPoint p = event->position().toPoint();
    OnMouseMove(p.x(), p.y());
}

void PaintBox::mouseReleaseEvent(QMouseEvent* event) {
    if (!OnMouseUp) {
        event->ignore();
        return;
    }
    const QPoint p = event->position().toPoint();
    OnMouseUp(event->button(), p.x(), p.y());
}

}  // namespace tarnwick
