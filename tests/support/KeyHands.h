// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A player with the keys alone: keys pressed where the keyboard is, a
// board's cursor led field by field with the arrow keys, buttons reached
// with Tab, and the hands of the whole game made of them.
#include <QApplication>
#include <QtTest>
#include <cmath>

#include "riddles/frame/BoardKeys.h"
#include "support/WholeGame.h"

namespace tarnwick::testing {

// One key, pressed and let go where the keyboard is (or on a widget of a
// scene that the test runs without showing it).
inline void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, QWidget* on = nullptr) {
    QWidget* focus = on ? on : QApplication::focusWidget();
    QTest::keyClick(focus ? focus : QApplication::activeWindow(), Qt::Key(key), modifiers);
}

// The board's cursor led to a place (in the cursor's steps) with the arrow
// keys; the first key only shows where it stands.
inline void LeadCursor(BoardKeys& keys, QPoint to, QWidget* on = nullptr) {
    if (!keys.Showing()) Press(Qt::Key_Right, Qt::NoModifier, on);
    for (int n = 0; n < 400 && keys.Cursor() != to; ++n) {
        const QPoint at = keys.Cursor();
        if (at.x() != to.x()) {
            Press(at.x() < to.x() ? Qt::Key_Right : Qt::Key_Left, Qt::NoModifier, on);
        } else {
            Press(at.y() < to.y() ? Qt::Key_Down : Qt::Key_Up, Qt::NoModifier, on);
        }
    }
}

// A button pressed: Tab until it has the keyboard, then Space.
inline void PressButton(QAbstractButton* button) {
    for (int n = 0; n < 12 && QApplication::focusWidget() != button; ++n) Press(Qt::Key_Tab);
    Press(Qt::Key_Space);
}

// A riddle room played with the keys.
class KeyHands : public RoomHands {
public:
    explicit KeyHands(TRiddleWin& room) : room_(room), keys_(*room.Keys) {}
    void Drag(BoardCell from, BoardCell to) override {
        LeadCursor(keys_, Step(from));
        Press(Qt::Key_Space);
        LeadCursor(keys_, Step(to));
        Press(Qt::Key_Space);
    }
    void Click(const BoardPoint& point) override {
        // The cursor's step nearest to the point clicked: a field, or on
        // boards that take clicks between fields, the line between them.
        const BoardKeys::Layout l = keys_.CurrentLayout();
        const Pixel corner = room_.Rules().Geometry().Corner(point.cell);
        const auto step = [&](int pixel, int origin) {
            return int(std::lround(double(pixel - origin - l.cellSize / 2) * l.stepsPerField / l.cellSize));
        };
        LeadCursor(keys_, {step(corner.x + point.dx, l.left), step(corner.y + point.dy, l.top)});
        Press(Qt::Key_Space);
    }
    using RoomHands::Click;
    void Push(BoardCell from, BoardCell to) override {
        LeadCursor(keys_, Step(from));
        Press(Qt::Key_Space);
        Press(to.col > from.col ? Qt::Key_Right : to.col < from.col ? Qt::Key_Left : to.row > from.row ? Qt::Key_Down : Qt::Key_Up);
        Press(Qt::Key_Space);
    }
    void Reset() override { PressButton(room_.ResetBtn); }

private:
    QPoint Step(BoardCell cell) const {
        const int steps = keys_.CurrentLayout().stepsPerField;
        return {cell.col * steps, cell.row * steps};
    }

    TRiddleWin& room_;
    BoardKeys& keys_;
};

// The throne-room table with the keys: Space picks up and puts down, R
// turns.
class KeyTableHands : public TableHands {
public:
    explicit KeyTableHands(TChessWin& chess) : keys_(*chess.Keys) {}
    void Press(int col, int row) override {
        LeadCursor(keys_, {col, row});
        testing::Press(Qt::Key_Space);
    }
    void Turn(int col, int row) override {
        LeadCursor(keys_, {col, row});
        testing::Press(Qt::Key_R);
    }

private:
    BoardKeys& keys_;
};

}  // namespace tarnwick::testing
