// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SceneCaption.h"

#include <QEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

namespace tarnwick {

namespace {

const QColor Ink(0x2e, 0x1c, 0x0f);
const QColor WoodLight(0x5a, 0x3d, 0x26);
const QColor WoodDark(0x3b, 0x2a, 0x1e);
const QColor Parchment(0xef, 0xe3, 0xc6);

}  // namespace

SceneCaption* SceneCaption::Around(QDialog* dialog) {
    if (auto* caption = qobject_cast<SceneCaption*>(dialog->parentWidget())) return caption;
    return new SceneCaption(dialog);
}

SceneCaption::SceneCaption(QDialog* dialog) : QWidget(dialog->parentWidget()), dialog_(dialog) {
    setObjectName(dialog->objectName() + QStringLiteral("Caption"));
    dialog->setParent(this, Qt::Widget);
    dialog->installEventFilter(this);
    FitDialog();
    hide();
}

void SceneCaption::FitDialog() {
    dialog_->move(Border, Border + Height);
    setFixedSize(dialog_->width() + 2 * Border, dialog_->height() + Height + 2 * Border);
}

QRect SceneCaption::CloseBox() const { return {width() - Border - Height + 3, Border + 3, Height - 6, Height - 6}; }

void SceneCaption::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Ink);
    const QRect bar(Border, Border, width() - 2 * Border, Height);
    QLinearGradient wood(bar.topLeft(), bar.bottomLeft());
    wood.setColorAt(0, WoodLight);
    wood.setColorAt(1, WoodDark);
    painter.fillRect(bar, wood);

    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(12);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Parchment);
    const QRect text = bar.adjusted(7, 0, -Height - 4, 0);
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
                     painter.fontMetrics().elidedText(dialog_->windowTitle(), Qt::ElideRight, text.width()));

    // The close box: a cross on a darker square.
    const QRect box = CloseBox();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Ink, 1));
    painter.setBrush(WoodDark.darker(130));
    painter.drawRoundedRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    painter.setPen(QPen(Parchment, 1.6, Qt::SolidLine, Qt::RoundCap));
    const QRectF cross = QRectF(box).adjusted(4.5, 4.5, -4.5, -4.5);
    painter.drawLine(cross.topLeft(), cross.bottomRight());
    painter.drawLine(cross.topRight(), cross.bottomLeft());
}

void SceneCaption::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && CloseBox().contains(event->position().toPoint())) dialog_->reject();
}

bool SceneCaption::eventFilter(QObject* watched, QEvent* event) {
    if (watched == dialog_) {
        if (event->type() == QEvent::WindowTitleChange) update();
        if (event->type() == QEvent::Resize) FitDialog();
    }
    return false;
}

}  // namespace tarnwick
