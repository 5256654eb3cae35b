// The labyrinth half of the main window: drawing the tiles and the player,
// shifting lines with their scroll, walking, and entering doors.
#include "labyrinth/Maze.h"
#include "labyrinth/Puzzle.h"
#include "labyrinth/Scramble.h"
#include "platform/SceneWindow.h"
#include "platform/Clock.h"
#include "platform/Cues.h"
#include "shell/GameState.h"
#include "shell/Main.h"
#include "platform/Random.h"
#include "throne/Chess.h"

namespace tarnwick {

namespace {

constexpr int Tile = 54;
constexpr int SpriteWidth = 15;
constexpr int SpriteHeight = 16;
constexpr int StandOffset = 19;  // the sprite's corner inside its tile
constexpr int WalkFrames[9] = {1, 0, 1, 2, 1, 0, 1, 2, 1};
constexpr int StepX[4] = {6, 0, -6, 0};
constexpr int StepY[4] = {0, -6, 0, 6};

}  // namespace

void TMainForm::DrawTile(int c, int r) {
    const int kind = Grid[r][c];
    if (kind < 0 || kind >= TileKindCount) return;
    int band = kind / 11;
    const int door = DoorAt(c, r);
    if (door != 0 && DoorOpen[door]) band += 1;
    CopyRect(box->canvas, Tile * c, Tile * r, LabyrinthPicture, Tile * (kind % 11), Tile * band, Tile, Tile);
}

void TMainForm::DrawPlayer(int x, int y, int frame, int facing) {
    const int group = facing < 0 ? 4 : facing;
    CopyRect(box->canvas, x, y, LabyrinthPicture, 218 + SpriteWidth * (frame + 3 * group), 108,
             SpriteWidth, SpriteHeight);
}

void TMainForm::FormPaint() {
    for (int r = 0; r < GridRows; ++r)
        for (int c = 0; c < GridCols; ++c) DrawTile(c, r);
    DrawPlayer(Tile * PlayerCol + StandOffset, Tile * PlayerRow + StandOffset, 1, PlayerFacing);
}

void TMainForm::ShiftLine(int line, int direction, bool animate) {
    if (animate) PlayCue(CueShift);
    if (!ShiftGrid(*this, line, direction)) return;
    if (!animate) return;

    // Scroll what is on the screen in 18 steps of 3 pixels; the strip that
    // falls off one end comes back in at the other through the save area.
    Picture& screen = box->canvas;
    const bool row = direction == East || direction == West;
    const QRect band = row ? QRect(54, Tile * line, 486, Tile) : QRect(Tile * line, 54, Tile, 270);
    for (int step = 0; step < 18; ++step) {
        if (row) {
            const int y = band.y();
            if (direction == East) {
                CopyRect(DragSaveArea, 0, 0, screen, 537, y, 3, Tile);
                CopyRect(screen, 57, y, screen, 54, y, 483, Tile);
                CopyRect(screen, 54, y, DragSaveArea, 0, 0, 3, Tile);
            } else {
                CopyRect(DragSaveArea, 0, 0, screen, 54, y, 3, Tile);
                CopyRect(screen, 54, y, screen, 57, y, 483, Tile);
                CopyRect(screen, 537, y, DragSaveArea, 0, 0, 3, Tile);
            }
        } else {
            const int x = band.x();
            if (direction == North) {
                CopyRect(DragSaveArea, 0, 0, screen, x, 54, Tile, 3);
                CopyRect(screen, x, 54, screen, x, 57, Tile, 267);
                CopyRect(screen, x, 321, DragSaveArea, 0, 0, Tile, 3);
            } else {
                CopyRect(DragSaveArea, 0, 0, screen, x, 321, Tile, 3);
                CopyRect(screen, x, 57, screen, x, 54, Tile, 267);
                CopyRect(screen, x, 54, DragSaveArea, 0, 0, Tile, 3);
            }
        }
        box->Flush(band);
        BusyWait(20);
    }
}

void TMainForm::CheckRestored() {
    if (MazeRestored) return;
    if (!GridEquals(Grid, TargetGrid)) return;
    MazeRestored = true;
    PlayCue(CueTriumph);
    RunModal(MazeWin);
}

void TMainForm::boxMouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
    if (Busy) return;
    if (x < 0 || y < 0) return;
    const int c = x / Tile, r = y / Tile;

    int line = 0, direction = 0;
    if (!MazeRestored && ArrowAt(c, r, line, direction)) {
        Busy = true;
        ShiftLine(line, direction, true);
        Busy = false;
        CheckRestored();
        return;
    }
    if (c == PlayerCol && r == PlayerRow) {
        if (c == ExitCell.col && r == ExitCell.row) {
            AskToClose();
        } else {
            EnterDoor();
        }
        return;
    }
    const int walk = WalkDirection(*this, c, r);
    if (walk < 0) return;
    Walk(walk);
    if (walk == West && PlayerCol == ExitCell.col && PlayerRow == ExitCell.row) {
        AskToClose();
    } else {
        EnterDoor();
    }
}

void TMainForm::Walk(int d) {
    Busy = true;
    const int x0 = Tile * PlayerCol + StandOffset, y0 = Tile * PlayerRow + StandOffset;
    for (int i = 1; i <= 9; ++i) {
        if (i % 3 == 1) PlayCue(CueFootstep);
        PlayerFacing = d;
        const int fromX = x0 + (i - 1) * StepX[d], fromY = y0 + (i - 1) * StepY[d];
        const int toX = x0 + i * StepX[d], toY = y0 + i * StepY[d];
        DrawPlayer(fromX, fromY, 0, -1);
        DrawPlayer(toX, toY, WalkFrames[i - 1], d);
        box->Flush(QRect(fromX, fromY, SpriteWidth, SpriteHeight)
                       .united(QRect(toX, toY, SpriteWidth, SpriteHeight)));
        BusyWait(60);
    }
    Busy = false;
    PlayerCol += StepX[d] / 6;
    PlayerRow += StepY[d] / 6;
}

void TMainForm::EnterDoor() {
    const int door = DoorAt(PlayerCol, PlayerRow);
    if (door == 0) return;
    if (!VisitRoom(door)) return;

    DrawTile(PlayerCol, PlayerRow);
    DrawPlayer(Tile * PlayerCol + StandOffset, Tile * PlayerRow + StandOffset, 1, PlayerFacing);
    box->Flush(QRect(Tile * PlayerCol, Tile * PlayerRow, Tile, Tile));

    // The chancellor's spell.
    const int oldX = Tile * PlayerCol + StandOffset, oldY = Tile * PlayerRow + StandOffset;
    if (!CastSpell(*this, door, GameRandom())) return;
    PlayCue(CueSpell);
    DrawPlayer(oldX, oldY, 0, -1);
    box->Flush(QRect(oldX, oldY, SpriteWidth, SpriteHeight));
    const int newX = Tile * PlayerCol + StandOffset, newY = Tile * PlayerRow + StandOffset;
    DrawPlayer(newX, newY, 1, South);
    box->Flush(QRect(newX, newY, SpriteWidth, SpriteHeight));
}

bool TMainForm::VisitRoom(int door) {
    if (door <= RoomCount) {
        if (!PuzzleWin) return false;
        PuzzleWin->ShowModal(door);
        return true;
    }
    if (!ChessWin) return false;
    if (ChessWin->ShowModal() == ModalDone) DoorOpen[13] = true;
    return true;
}

}  // namespace tarnwick
