// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SpeedButton.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionToolButton>

namespace tarnwick {

TSpeedButton::TSpeedButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::NoFocus);
    setSizePolicy(QSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed, QSizePolicy::ToolButton));
}

QSize TSpeedButton::sizeHint() const { return iconSize() + QSize(6, 6); }

void TSpeedButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionToolButton option;
    option.initFrom(this);
    option.icon = icon();
    option.iconSize = iconSize();
    option.toolButtonStyle = Qt::ToolButtonIconOnly;
    option.subControls = QStyle::SC_ToolButton;
    option.features = QStyleOptionToolButton::PopupDelay;
    option.pos = pos();
    option.state |= QStyle::State_AutoRaise;
    if (isChecked()) option.state |= QStyle::State_On;
    if (isDown()) {
        option.state |= QStyle::State_Sunken;
        option.activeSubControls = QStyle::SC_ToolButton;
    }
    const bool hovered = (option.state & QStyle::State_MouseOver) && (option.state & QStyle::State_Enabled);
    // Raised only at rest under the mouse; the panel shows then, and
    // whenever the button is down or checked.
    if (hovered && !isChecked() && !isDown()) option.state |= QStyle::State_Raised;
    QStyle* const look = style();
    if (option.state & (QStyle::State_Sunken | QStyle::State_On | QStyle::State_Raised)) {
        QStyleOption panel = option;
        look->drawPrimitive(QStyle::PE_PanelButtonTool, &panel, &painter, this);
    }

    // The glyph, centred inside the frame, in the icon's mode for the state.
    const int frame = look->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
    QRect place = rect().adjusted(frame, frame, -frame, -frame);
    if (option.state & (QStyle::State_Sunken | QStyle::State_On))
        place.translate(look->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                        look->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    const QIcon::Mode mode = !(option.state & QStyle::State_Enabled) ? QIcon::Disabled
                             : (option.state & QStyle::State_MouseOver) ? QIcon::Active
                                                                        : QIcon::Normal;
    const QPixmap glyph = icon().pixmap(rect().adjusted(frame, frame, -frame, -frame).size().boundedTo(iconSize()),
                                        painter.device()->devicePixelRatio(), mode,
                                        isChecked() ? QIcon::On : QIcon::Off);
    look->drawItemPixmap(&painter, place, Qt::AlignCenter, glyph);
}

// The panel comes and goes with the mouse.
void TSpeedButton::enterEvent(QEnterEvent* event) {
    update();
    QAbstractButton::enterEvent(event);
}

void TSpeedButton::leaveEvent(QEvent* event) {
    update();
    QAbstractButton::leaveEvent(event);
}

}  // namespace tarnwick
