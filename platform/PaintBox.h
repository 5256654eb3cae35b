// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A widget that shows the game's drawing, in one of two ways.
//
// With an off-screen picture (the canvas): the game draws into the picture
// and calls Flush to put the drawing on the screen at once; when the window
// system asks for a repaint, the picture is first redrawn from the game's
// state by the OnPaint callback.
//
// Without one, when OnDraw is set: every repaint, the game's own (Flush) as
// the window system's, draws the area straight onto the widget from the
// game's state and what a running animation shows; OnPaint then only hears
// of the window system's repaints. The canvas is never made.
#include <QRect>
#include <QWidget>
#include <functional>

#include "platform/Picture.h"

class QPainter;

namespace tarnwick {

class PaintBox : public QWidget {
    Q_OBJECT
public:
    PaintBox(QWidget* parent, int left, int top, int width, int height);

    Picture canvas;
    std::function<void()> OnPaint;                                       // the window system's repaint
    std::function<void(QPainter&, const QRect&)> OnDraw;                 // draw an area onto the widget
    std::function<void(Qt::MouseButton, Qt::KeyboardModifiers, int, int)> OnMouseDown;
    std::function<void(int, int)> OnMouseMove;
    std::function<void(Qt::MouseButton, int, int)> OnMouseUp;

    // Shows the canvas (or a part of it) now, without redrawing it; with
    // OnDraw, draws that part now.
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
