// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FocusFrameStyle.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOptionButton>

namespace tarnwick {

FocusFrameStyle::FocusFrameStyle() : QProxyStyle() {}

void FocusFrameStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                  const QWidget* widget) const {
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element != CE_PushButton || !(option->state & State_HasFocus)) return;
    // Dark ink on the light button faces of every window; two pixels in
    // from the edge, clear of the glyph.
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    // One pixel of the window wide: two screen pixels on a screen of twice
    // the density, as thick as everything else there.
    QPen pen(QColor(0x2e, 0x1c, 0x0f), 1, Qt::DotLine);
    pen.setCosmetic(false);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(option->rect.adjusted(2, 2, -3, -3));
    painter->restore();
}

void UseFocusFrameStyle() { QApplication::setStyle(new FocusFrameStyle); }

}  // namespace tarnwick
