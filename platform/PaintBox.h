// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A widget that shows its own off-screen picture. The game draws into the
// picture and calls Flush to put the drawing on the screen at once; when the
// window system asks for a repaint, the picture is first redrawn from the
// game's state by the Paint callback.
#include <QRect>
#include <QWidget>
#include <functional>

#include "platform/Picture.h"

namespace tarnwick {

class PaintBox : public QWidget {
    Q_OBJECT
public:
    PaintBox(QWidget* parent, int left, int top, int width, int height);

    Picture canvas;
    std::function<void()> OnPaint;                                       // redraw canvas from state
    std::function<void(Qt::MouseButton, Qt::KeyboardModifiers, int, int)> OnMouseDown;
    std::function<void(int, int)> OnMouseMove;
    std::function<void(Qt::MouseButton, int, int)> OnMouseUp;

    // Shows the canvas (or a part of it) now, without redrawing it.
    void Flush();
    void Flush(const QRect& area);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool flushing_ = false;
    bool painting_ = false;
};

}  // namespace tarnwick
