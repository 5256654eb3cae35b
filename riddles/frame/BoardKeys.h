// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keys of a board, one way for every riddle room and the throne room:
// the arrow keys move a cursor over the board's fields, and Space or Enter
// act on the field under it just as the mouse acts there, through the
// room's own mouse handlers, by the kind of input the room takes:
//  - click: the field is clicked;
//  - drag: the ball there is lifted, carried along with the cursor and
//    dropped at the next press;
//  - push: the ball there is grabbed, pushed one field per arrow key and
//    let go at the next press;
//  - carry (the throne room): a press picks up or puts down, as a click of
//    the left button; the turn key turns what is carried, as the right one.
// Escape lets go of a carried ball (it goes back, as one let go off the
// board), and else leaves the room. The keys reach the board wherever the
// keyboard is in the room;
// Space and Enter act on the board only while it has the keyboard (the
// arrow keys give it to it), and press the buttons otherwise.
#include <QObject>
#include <QPoint>
#include <QRect>
#include <functional>
#include <optional>

class QKeyEvent;
class QWidget;

namespace tarnwick {

class CursorFrame;

class BoardKeys : public QObject {
    Q_OBJECT
public:
    enum class Input { Click, Drag, Push, Carry };

    // Where the fields lie in the board widget and how the cursor steps
    // over them: from field to field, or (two steps a field) over the
    // fields and the lines between them.
    struct Layout {
        int left = 0, top = 0;
        int columns = 0, rows = 0;
        int cellSize = 32;
        int stepsPerField = 1;
    };

    // The room's own mouse handlers, in the board widget's pixels.
    struct Mouse {
        std::function<void(bool right, int x, int y)> press;
        std::function<void(int x, int y)> move;
        std::function<void(int x, int y)> release;
        std::function<bool()> holding;  // a ball or piece is in hand
        // The field of the ball held (push), which the cursor stays on.
        std::function<std::optional<QPoint>()> heldAt;
    };

    // Keys for the board widget `board` in the scene `scene`.
    BoardKeys(QWidget* scene, QWidget* board, Input input, std::function<Layout()> layout, Mouse mouse);

    // The cursor, in steps from the board's top-left field, and the field
    // it lies on (x column, y row).
    QPoint Cursor() const { return cursor_; }
    QPoint Field() const;
    Layout CurrentLayout() const { return layout_(); }
    bool Showing() const;

    // The room opened again (or another level): the frame hides until the
    // next key, the cursor stays on the board.
    void Reset();

    // Handles a key pressed in the scene; false when it is not the board's.
    bool Key(QKeyEvent* event);
    // Escape: lets go of a carried ball; false when nothing was carried.
    bool LetGo();

    // The key that turns what is carried (the throne room).
    int turnKey = 0;
    // Escape with nothing to let go of: the room's way out.
    std::function<void()> leave;
    // Told after every key that moved the cursor or acted on the board.
    std::function<void()> onCursor;
    std::function<void()> onAction;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Step(int dx, int dy);
    void Act();
    void Clamp();
    void ShowFrame();
    QPoint Point() const;  // the cursor in the board widget's pixels
    QRect FrameRect() const;

    QWidget* scene_;
    QWidget* board_;
    Input input_;
    std::function<Layout()> layout_;
    Mouse mouse_;
    CursorFrame* frame_;
    QPoint cursor_;
};

}  // namespace tarnwick
