// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A flat picture button for the tool bar: only its glyph at rest, the
// style's tool-button panel under the mouse, pressed or checked, the glyph
// pushed by the style's shift when pressed or checked. It looks exactly as
// a raise-on-hover tool button of the style does, without that widget's
// menus and sub-controls, which the tool bar never uses and which cost
// memory at start-up.
#include <QAbstractButton>

namespace tarnwick {

class TSpeedButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit TSpeedButton(QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
};

}  // namespace tarnwick
