// SPDX-License-Identifier: GPL-3.0-or-later
#include "labyrinth/LabyrinthBox.h"

#include <QKeyEvent>
#include <QPainter>

#include "labyrinth/Corridors.h"
#include "labyrinth/LabyrinthLayout.h"
#include "labyrinth/LabyrinthWords.h"
#include "platform/Accessible.h"
#include "labyrinth/Maze.h"
#include "labyrinth/Puzzle.h"
#include "labyrinth/Scramble.h"
#include "state/Cues.h"
#include "throne/Chess.h"

namespace tarnwick {

namespace {

using labyrinth_art::Stand;
using labyrinth_art::Tile;
constexpr int SpriteWidth = labyrinth_art::SpriteW;
constexpr int SpriteHeight = labyrinth_art::SpriteH;
constexpr int WalkFrames[9] = {1, 0, 1, 2, 1, 0, 1, 2, 1};
constexpr int StepX[4] = {6, 0, -6, 0};
constexpr int StepY[4] = {0, -6, 0, 6};

}  // namespace

LabyrinthBox::LabyrinthBox(QWidget* parent, Stage& stage)
    : PaintBox(parent, 0, 33, 594, 377), stage_(stage), game_(stage.game) {
    setObjectName("box");
    // Drawn straight onto the widget at every repaint: the labyrinth keeps
    // no picture of its own. A repaint the window system asks for may follow
    // a new or loaded game, with the figure standing elsewhere.
    OnDraw = [this](QPainter& painter, const QRect& area) { Draw(painter, area); };
    OnPaint = [this] { Tell(); };
    OnMouseDown = [this](Qt::MouseButton b, Qt::KeyboardModifiers m, int x, int y) { boxMouseDown(b, m, x, y); };
    // The keys walk in the labyrinth while no scene is up; a click on it
    // moves no keyboard focus (under a scene, the scene keeps it).
    setFocusPolicy(Qt::TabFocus);
    Cursor = new CursorFrame(this);
    AccessibleGrid::Attach(this, {[] { return GridCols; }, [] { return GridRows; },
                                  [this](int c, int r) { return TileName(game_, c, r); },
                                  [](int c, int r) { return QRect(Tile * c, Tile * r, Tile, Tile); },
                                  [this]() -> std::optional<QPoint> {
                                      if (CursorArrow < 0) return QPoint(game_.PlayerCol, game_.PlayerRow);
                                      const Cell arrow = ArrowCell(CursorArrow);
                                      return QPoint(arrow.col, arrow.row);
                                  }});
}

Cell LabyrinthBox::ArrowCell(int arrow) {
    // Clockwise from the top left: the top wall, the right wall, the
    // bottom wall from the right, the left wall from below.
    static constexpr Cell Arrows[ArrowCount] = {{1, 0}, {3, 0},  {5, 0}, {7, 0}, {9, 0}, {10, 2}, {10, 4},
                                                {9, 6}, {7, 6},  {5, 6}, {3, 6}, {1, 6}, {0, 4},  {0, 2}};
    return Arrows[(arrow % ArrowCount + ArrowCount) % ArrowCount];
}

bool LabyrinthBox::focusNextPrevChild(bool next) {
    if (Busy) return true;
    if (!Cursor->Showing() || CursorArrow < 0) {
        CursorArrow = next ? 0 : ArrowCount - 1;
    } else {
        CursorArrow = (CursorArrow + (next ? 1 : ArrowCount - 1)) % ArrowCount;
    }
    ShowCursor();
    return true;
}

void LabyrinthBox::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    int direction = -1;
    switch (event->key()) {
    case Qt::Key_Right: direction = East; break;
    case Qt::Key_Up: direction = North; break;
    case Qt::Key_Left: direction = West; break;
    case Qt::Key_Down: direction = South; break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter: break;
    default: PaintBox::keyPressEvent(event); return;
    }
    if (mods != Qt::NoModifier) {
        PaintBox::keyPressEvent(event);
        return;
    }
    if (Busy) return;
    if (!Cursor->Showing()) CursorArrow = -1;
    if (direction >= 0) {
        constexpr int dx[4] = {1, 0, -1, 0}, dy[4] = {0, -1, 0, 1};
        const int c = game_.PlayerCol + dx[direction], r = game_.PlayerRow + dy[direction];
        int line = 0, shift = 0;
        CursorArrow = -1;
        ShowCursor();
        // A step only: an arrow beside the figure is no corridor to walk into.
        if (!game_.MazeRestored && ArrowAt(c, r, line, shift)) return;
        ClickTile(c, r);
    } else if (CursorArrow >= 0) {
        const Cell arrow = ArrowCell(CursorArrow);
        int line = 0, shift = 0;
        if (!game_.MazeRestored && ArrowAt(arrow.col, arrow.row, line, shift)) ShiftAt(line, shift);
    } else {
        ShowCursor();
        ClickTile(game_.PlayerCol, game_.PlayerRow);
    }
    ShowCursor();
}

void LabyrinthBox::ShowCursor() {
    QPoint at(game_.PlayerCol, game_.PlayerRow);
    if (CursorArrow >= 0) at = QPoint(ArrowCell(CursorArrow).col, ArrowCell(CursorArrow).row);
    Cursor->ShowAt(QRect(Tile * at.x(), Tile * at.y(), Tile, Tile));
    if (AccessibleGrid* grid = AccessibleGrid::Of(this)) grid->CursorMoved();
}

void LabyrinthBox::Tell() {
    const QString where = WhereTheFigureStands(game_);
    if (accessibleDescription() != where) setAccessibleDescription(where);
    const QString name = stage_.Text({"Labyrinth", "labyrinth"});
    if (accessibleName() != name) setAccessibleName(name);
    if (AccessibleGrid* grid = AccessibleGrid::Of(this)) grid->Changed();
}

void LabyrinthBox::DrawTile(QPainter& painter, int c, int r, QPoint at) const {
    const int kind = game_.Grid[r][c];
    if (kind < 0 || kind >= TileKindCount) {
        painter.fillRect(QRect(at, QSize(Tile, Tile)), Qt::black);
        return;
    }
    const int door = DoorAt(c, r);
    const bool open = door != 0 && game_.DoorOpen[door];
    CopyRect(painter, at.x(), at.y(), stage_.pictures.LabyrinthPicture, labyrinth_art::tileX(kind),
             labyrinth_art::tileY(kind, open), Tile, Tile);
}

void LabyrinthBox::DrawFigure(QPainter& painter, const Figure& figure, QPoint by) const {
    CopyRect(painter, figure.x + by.x(), figure.y + by.y(), stage_.pictures.LabyrinthPicture,
             labyrinth_art::spriteX(figure.frame, figure.facing < 0 ? 4 : figure.facing), labyrinth_art::SpriteTop,
             SpriteWidth, SpriteHeight);
}

LabyrinthBox::Figure LabyrinthBox::ShownFigure() const {
    if (walking_) return *walking_;
    return {Tile * game_.PlayerCol + Stand, Tile * game_.PlayerRow + Stand, 1, game_.PlayerFacing};
}

QRect LabyrinthBox::ShiftBand() const {
    if (shiftLine_ < 0) return {};
    const bool row = shiftDirection_ == East || shiftDirection_ == West;
    return row ? QRect(Tile, Tile * shiftLine_, 9 * Tile, Tile) : QRect(Tile * shiftLine_, Tile, Tile, 5 * Tile);
}

void LabyrinthBox::Draw(QPainter& painter, const QRect& area) const {
    const QRect band = ShiftBand();
    for (int r = 0; r < GridRows; ++r) {
        for (int c = 0; c < GridCols; ++c) {
            const QRect tile(Tile * c, Tile * r, Tile, Tile);
            if (tile.intersects(area) && !band.contains(tile)) DrawTile(painter, c, r, tile.topLeft());
        }
    }
    const Figure figure = ShownFigure();
    const bool figureOnBand = band.contains(QRect(figure.x, figure.y, SpriteWidth, SpriteHeight));
    if (!figureOnBand) DrawFigure(painter, figure);
    if (band.isEmpty()) return;

    // The shifted line, short of its new place by shiftLeft_: what it moves
    // off at one end of the band comes back in at the other.
    const QPoint step(StepX[shiftDirection_] / 6, StepY[shiftDirection_] / 6);
    const QPoint along = step * (step.x() != 0 ? band.width() : band.height());
    const QPoint back = -step * shiftLeft_;
    painter.save();
    painter.setClipRect(band);
    for (const QPoint by : {back, back + along}) {
        for (int r = band.top() / Tile; r <= band.bottom() / Tile; ++r)
            for (int c = band.left() / Tile; c <= band.right() / Tile; ++c)
                DrawTile(painter, c, r, QPoint(Tile * c, Tile * r) + by);
        if (figureOnBand) DrawFigure(painter, figure, by);
    }
    painter.restore();
}

void LabyrinthBox::ShiftLine(int line, int direction, bool animate) {
    if (animate) stage_.PlayCue(CueShift);
    if (!ShiftGrid(game_, line, direction)) return;
    if (!animate) return;

    // The line scrolls to its new place in 18 steps of 3 pixels.
    shiftLine_ = line;
    shiftDirection_ = direction;
    const QRect band = ShiftBand();
    for (int step = 1; step <= 18; ++step) {
        shiftLeft_ = Tile - 3 * step;
        Flush(band);
        stage_.BusyWait(20);
    }
    shiftLine_ = -1;
}

void LabyrinthBox::CheckRestored() {
    if (game_.MazeRestored) return;
    if (!GridEquals(game_.Grid, TargetGrid)) return;
    game_.MazeRestored = true;
    stage_.PlayCue(CueTriumph);
    if (MazeWin) RunModal(MazeWin);
}

void LabyrinthBox::boxMouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
    if (Busy) return;
    if (x < 0 || y < 0) return;
    const int c = x / Tile, r = y / Tile;

    int line = 0, direction = 0;
    if (!game_.MazeRestored && ArrowAt(c, r, line, direction)) {
        ShiftAt(line, direction);
        return;
    }
    ClickTile(c, r);
}

void LabyrinthBox::ShiftAt(int line, int direction) {
    Busy = true;
    ShiftLine(line, direction, true);
    Busy = false;
    Tell();
    CheckRestored();
}

void LabyrinthBox::ClickTile(int c, int r) {
    const auto leave = [this] {
        if (AskToClose) AskToClose();
    };
    if (c == game_.PlayerCol && r == game_.PlayerRow) {
        if (c == ExitCell.col && r == ExitCell.row) {
            leave();
        } else {
            EnterDoor();
        }
        return;
    }
    const int walk = WalkDirection(game_, c, r);
    if (walk < 0) return;
    Walk(walk);
    Tell();
    if (walk == West && game_.PlayerCol == ExitCell.col && game_.PlayerRow == ExitCell.row) {
        leave();
    } else {
        EnterDoor();
    }
}

void LabyrinthBox::Walk(int d) {
    Busy = true;
    const int x0 = Tile * game_.PlayerCol + Stand, y0 = Tile * game_.PlayerRow + Stand;
    for (int i = 1; i <= 9; ++i) {
        if (i % 3 == 1) stage_.PlayCue(CueFootstep);
        game_.PlayerFacing = d;
        const int fromX = x0 + (i - 1) * StepX[d], fromY = y0 + (i - 1) * StepY[d];
        const int toX = x0 + i * StepX[d], toY = y0 + i * StepY[d];
        walking_ = Figure{toX, toY, WalkFrames[i - 1], d};
        Flush(QRect(fromX, fromY, SpriteWidth, SpriteHeight).united(QRect(toX, toY, SpriteWidth, SpriteHeight)));
        stage_.BusyWait(60);
    }
    Busy = false;
    walking_.reset();
    game_.PlayerCol += StepX[d] / 6;
    game_.PlayerRow += StepY[d] / 6;
}

void LabyrinthBox::EnterDoor() {
    const int door = DoorAt(game_.PlayerCol, game_.PlayerRow);
    if (door == 0) return;
    if (!VisitRoom(door)) return;

    // The door as the room left it (opened, or not).
    Flush(QRect(Tile * game_.PlayerCol, Tile * game_.PlayerRow, Tile, Tile));
    Tell();

    // The chancellor's spell: gone from here, then standing there.
    const QRect before(Tile * game_.PlayerCol + Stand, Tile * game_.PlayerRow + Stand, SpriteWidth, SpriteHeight);
    if (!CastSpell(game_, door, stage_.random)) return;
    stage_.PlayCue(CueSpell);
    Flush(before);
    Flush(QRect(Tile * game_.PlayerCol + Stand, Tile * game_.PlayerRow + Stand, SpriteWidth, SpriteHeight));
    Tell();
    if (Cursor->Showing() && CursorArrow < 0) ShowCursor();
}

bool LabyrinthBox::VisitRoom(int door) {
    if (door <= RoomCount) {
        if (!PuzzleWin) return false;
        PuzzleWin->ShowModal(door);
        return true;
    }
    if (!ChessWin) return false;
    if (ChessWin->ShowModal() == ModalDone) game_.DoorOpen[13] = true;
    return true;
}

}  // namespace tarnwick
