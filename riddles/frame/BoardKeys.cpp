// SPDX-License-Identifier: GPL-3.0-or-later
#include "riddles/frame/BoardKeys.h"

#include <QKeyEvent>
#include <QWidget>
#include <algorithm>

#include "platform/CursorFrame.h"

namespace tarnwick {

namespace {

// Where a line between two fields is marked: a thin band over it.
constexpr int LineBand = 6;

}  // namespace

BoardKeys::BoardKeys(QWidget* scene, QWidget* board, Input input, std::function<Layout()> layout, Mouse mouse)
    : QObject(scene),
      scene_(scene),
      board_(board),
      input_(input),
      layout_(std::move(layout)),
      mouse_(std::move(mouse)),
      frame_(new CursorFrame(board)) {
    // Tab and the arrow keys give the board the keyboard; a click leaves it
    // where it was (Enter still shows the rules after a move of the mouse).
    board_->setFocusPolicy(Qt::TabFocus);
    // The arrow keys reach the board from wherever the keyboard is in the
    // room, before a button takes them to move the focus.
    scene_->installEventFilter(this);
    for (QWidget* widget : scene_->findChildren<QWidget*>()) widget->installEventFilter(this);
}

QPoint BoardKeys::Field() const {
    const int steps = std::max(1, layout_().stepsPerField);
    return {cursor_.x() / steps, cursor_.y() / steps};
}

bool BoardKeys::Showing() const { return frame_->Showing(); }

void BoardKeys::Reset() {
    frame_->Hide();
    Clamp();
}

bool BoardKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    // Space and Enter belong to the board only while it has the keyboard.
    const bool onBoard = watched == board_;
    switch (key->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!onBoard) return false;
        break;
    default: break;
    }
    return Key(key);
}

bool BoardKeys::Key(QKeyEvent* event) {
    const Qt::KeyboardModifiers mods = event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    if (mods != Qt::NoModifier) return false;
    const int key = event->key();
    const auto move = [this](int dx, int dy) {
        board_->setFocus(Qt::OtherFocusReason);
        // The first key shows where the cursor stands; the next ones move it.
        if (Showing()) {
            Step(dx, dy);
        } else {
            Clamp();
            ShowFrame();
            if (onCursor) onCursor();
        }
    };
    switch (key) {
    case Qt::Key_Left: move(-1, 0); return true;
    case Qt::Key_Right: move(1, 0); return true;
    case Qt::Key_Up: move(0, -1); return true;
    case Qt::Key_Down: move(0, 1); return true;
    case Qt::Key_Escape:
        if (!LetGo() && leave) leave();
        return true;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (Showing()) {
            Act();
        } else {
            Clamp();
            ShowFrame();
            if (onCursor) onCursor();
        }
        return true;
    default: break;
    }
    if (turnKey != 0 && key == turnKey && input_ == Input::Carry && mouse_.holding()) {
        const QPoint at = Point();
        mouse_.press(true, at.x(), at.y());
        ShowFrame();
        if (onAction) onAction();
        return true;
    }
    return false;
}

bool BoardKeys::LetGo() {
    if ((input_ != Input::Drag && input_ != Input::Push) || !mouse_.holding()) return false;
    if (input_ == Input::Drag) {
        mouse_.release(-1, -1);  // let go off the board: the ball goes back
    } else {
        const QPoint at = Point();
        mouse_.release(at.x(), at.y());
    }
    if (onAction) onAction();
    return true;
}

void BoardKeys::Step(int dx, int dy) {
    const bool holding = mouse_.holding();
    if (input_ == Input::Push && holding) {
        // The held ball is pushed to the next field; the cursor stays on it.
        const Layout layout = layout_();
        const QPoint to = Field() + QPoint(dx, dy);
        mouse_.move(layout.left + layout.cellSize * to.x() + layout.cellSize / 2,
                    layout.top + layout.cellSize * to.y() + layout.cellSize / 2);
        if (const auto held = mouse_.heldAt ? mouse_.heldAt() : std::nullopt) cursor_ = *held;
        if (onAction) onAction();
    } else {
        cursor_ += QPoint(dx, dy);
        Clamp();
        if (holding) {
            const QPoint at = Point();
            mouse_.move(at.x(), at.y());
        }
    }
    ShowFrame();
    if (onCursor) onCursor();
}

void BoardKeys::Act() {
    const QPoint at = Point();
    if ((input_ == Input::Drag || input_ == Input::Push) && mouse_.holding()) {
        mouse_.release(at.x(), at.y());
    } else {
        mouse_.press(false, at.x(), at.y());
        if (input_ == Input::Push && mouse_.heldAt)
            if (const auto held = mouse_.heldAt()) cursor_ = *held;
    }
    ShowFrame();
    if (onAction) onAction();
}

void BoardKeys::Clamp() {
    const Layout layout = layout_();
    const int steps = std::max(1, layout.stepsPerField);
    cursor_.setX(std::clamp(cursor_.x(), 0, std::max(0, (layout.columns - 1) * steps)));
    cursor_.setY(std::clamp(cursor_.y(), 0, std::max(0, (layout.rows - 1) * steps)));
}

void BoardKeys::ShowFrame() { frame_->ShowAt(FrameRect()); }

QPoint BoardKeys::Point() const {
    const Layout layout = layout_();
    const int steps = std::max(1, layout.stepsPerField);
    return {layout.left + layout.cellSize / 2 + cursor_.x() * layout.cellSize / steps,
            layout.top + layout.cellSize / 2 + cursor_.y() * layout.cellSize / steps};
}

QRect BoardKeys::FrameRect() const {
    const Layout layout = layout_();
    const int steps = std::max(1, layout.stepsPerField);
    const QPoint at = Point();
    // A field whole; a line between two fields as a thin band over it.
    const auto span = [&](int step, int centre) {
        if (step % steps == 0) return std::pair{centre - layout.cellSize / 2, layout.cellSize};
        return std::pair{centre - LineBand / 2, LineBand};
    };
    const auto [x, w] = span(cursor_.x(), at.x());
    const auto [y, h] = span(cursor_.y(), at.y());
    return QRect(x, y, w, h);
}

}  // namespace tarnwick
