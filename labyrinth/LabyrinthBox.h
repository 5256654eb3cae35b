// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The labyrinth under the main window's tool bar: the corridor tiles and the
// player drawn from the game's state, lines shifted with their scroll, the
// player walked tile by tile, and the doors entered.
#include <functional>
#include <optional>

#include "platform/OnDemand.h"
#include "platform/CursorFrame.h"
#include "platform/PaintBox.h"
#include "labyrinth/Corridors.h"
#include "stage/Stage.h"

namespace tarnwick {

class TPuzzleWin;
class TChessWin;
class TMazeWin;

class LabyrinthBox : public PaintBox {
    Q_OBJECT
public:
    LabyrinthBox(QWidget* parent, Stage& stage);

    void ShiftLine(int line, int direction, bool animate);
    void CheckRestored();
    void boxMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void EnterDoor();

    // The keys: an arrow key walks the figure one tile, as a click on the
    // tile beside him in that direction does; Tab and Shift+Tab take the
    // cursor round the arrows in the wall; Space or Enter shift the line of
    // the arrow under it, or, with the cursor on the figure, do what a
    // click on him does (enter the door he stands on, leave by the exit).
    CursorFrame* Cursor;
    int CursorArrow = -1;  // the arrow the cursor is on (the wall's arrows clockwise from the top left), -1 the figure
    // The arrows in the order Tab takes the cursor round them.
    static constexpr int ArrowCount = 14;
    static Cell ArrowCell(int arrow);

    // True while an animation runs: clicks made meanwhile are not taken.
    bool Busy = false;

    // The scenes behind the doors and the congratulation, handed in once
    // they are made; and what leaving by the exit asks of the main window.
    OnDemand<TPuzzleWin> PuzzleWin;
    OnDemand<TChessWin> ChessWin;
    OnDemand<TMazeWin> MazeWin;
    std::function<void()> AskToClose;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    // The figure as it shows: where his sprite's corner lies, his walk
    // frame and the way he faces.
    struct Figure {
        int x, y, frame, facing;
    };

    // Draws an area of the labyrinth from the game's state and what the
    // running animation shows now.
    void Draw(QPainter& painter, const QRect& area) const;
    void DrawTile(QPainter& painter, int c, int r, QPoint at) const;
    void DrawFigure(QPainter& painter, const Figure& figure, QPoint by = {}) const;
    Figure ShownFigure() const;
    // The line being shifted, on the screen; empty at rest.
    QRect ShiftBand() const;

    // A click on a tile that is not an arrow: a step, a door, the exit.
    void ClickTile(int c, int r);
    void ShiftAt(int line, int direction);
    void ShowCursor();
    // Where the figure stands and which ways are open, told anew.
    void Tell();
    void Walk(int direction);
    // The room behind a door; false while the door leads nowhere yet.
    bool VisitRoom(int door);

    Stage& stage_;
    Game& game_;

    // What the running animation shows now: the figure between two tiles
    // while he walks; the line being shifted, its direction and how far it
    // still lies short of its new place, in pixels.
    std::optional<Figure> walking_;
    int shiftLine_ = -1;
    int shiftDirection_ = East;
    int shiftLeft_ = 0;
};

}  // namespace tarnwick
