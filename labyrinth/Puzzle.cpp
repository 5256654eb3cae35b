#include "labyrinth/Puzzle.h"

#include "riddles/RiddleWin.h"
#include "platform/Cues.h"
#include "shell/GameState.h"
#include "shell/Main.h"
#include "shell/Msg.h"
#include "shell/StartPictures.h"
#include "shell/Texts.h"
#include "throne/ChessTable.h"

namespace tarnwick {

TPuzzleWin* PuzzleWin = nullptr;

namespace {
bool Inside(int x, int y, int left, int top, int right, int bottom) {
    return left < x && x < right && top < y && y < bottom;
}
}  // namespace

TPuzzleWin::TPuzzleWin() : SceneWindow(400, 300, false) {
    setObjectName("TPuzzleWin");
    surface()->OnPaint = [this] { Paint(); };
    surface()->OnMouseDown = [this](Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
        Mousedown(x, y);
    };
}

bool TPuzzleWin::FormCreate() {
    CentreOverMainWindow();
    // Only checked now; decoded the first time a room is drawn.
    return LoadStartPicture(RoomPicture, "b1.bmp", 640, 315, Decoding::AtFirstUse);
}

void TPuzzleWin::ShowModal(int room) {
    Room = room;
    // Set at the opening only: coming back from a riddle or a message keeps it.
    DoorState = DoorOpen[Room] ? 2 : 0;
    RunModal(this);
}

void TPuzzleWin::FormShow() { CentreOverMainWindow(); }

void TPuzzleWin::showEvent(QShowEvent* event) {
    FormShow();
    SceneWindow::showEvent(event);
}

void TPuzzleWin::Paint() {
    CopyRect(surface()->canvas, 0, 0, RoomPicture, 0, 0, 400, 300);
    if (DoorState != 0) DrawOpenDoor();
    if (DoorState == 1) DrawPiece();
}

void TPuzzleWin::DrawOpenDoor() {
    CopyRect(surface()->canvas, 150, 90, RoomPicture, 400, 0, 110, 180);
    if (DoorState == 2) CopyRect(surface()->canvas, 163, 175, RoomPicture, 513, 0, 50, 50);
    surface()->Flush(QRect(150, 90, 110, 180));
}

void TPuzzleWin::DrawPiece() {
    const int n = Room - 1;
    CopyRect(surface()->canvas, 160, 185, RoomPicture, 400 + 60 * (n % 4), 180 + 45 * (n / 4), 60, 45);
    surface()->Flush(QRect(160, 185, 60, 45));
}

void TPuzzleWin::Mousedown(int x, int y) {
    if (!Inside(x, y, 150, 90, 260, 270)) {
        Finish(ModalLeft);
        return;
    }
    if (DoorState == 1) {
        DoorState = 2;
        MainForm->PlayCue(CuePickUp);
        DrawOpenDoor();
        return;
    }
    int level = 1;
    if (DoorState == 2) {
        if (Inside(x, y, 163, 175, 188, 200)) {
            level = 1;
        } else if (Inside(x, y, 192, 175, 217, 200)) {
            level = 2;
        } else if (Inside(x, y, 176, 200, 201, 225)) {
            level = 3;
        } else {
            return;
        }
    }
    TRiddleWin* riddle = RiddleWindows[Room];
    if (!riddle) return;  // this room's riddle is still being built
    const int result = riddle->ShowModal(level);
    if (!DoorOpen[Room]) DoorOpen[Room] = result == ModalDone;

    if (DoorState == 0 && DoorOpen[Room]) {
        DoorState = 1;
        MainForm->PlayCue(CueDoorOpens);
        MessDlg->ShowModal(Text(Room == 7 ? texts::DuelWon : texts::RiddleSolved));
        DrawOpenDoor();
        DrawPiece();
        PlacePiece(Room);
    } else if (DoorState == 0) {
        MainForm->PlayCue(CueFailed);
        MessDlg->ShowModal(Text(texts::RiddleFailed));
    }
}

}  // namespace tarnwick
