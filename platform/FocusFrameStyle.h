// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's widget style: the system's own, with one change. The button
// that has the keyboard focus shows a clear dotted frame inside its edge,
// so that Return and Space visibly go somewhere in every small window.
#include <QProxyStyle>

namespace tarnwick {

class FocusFrameStyle : public QProxyStyle {
    Q_OBJECT
public:
    FocusFrameStyle();
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};

// Puts the style on the application; call once the application object exists.
void UseFocusFrameStyle();

}  // namespace tarnwick
