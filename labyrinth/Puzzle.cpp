// SPDX-License-Identifier: GPL-3.0-or-later
#include "labyrinth/Puzzle.h"

#include <QKeyEvent>

#include "labyrinth/DoorRoomLayout.h"
#include "riddles/frame/RiddleWin.h"
#include "stage/StartPictures.h"
#include "state/Cues.h"
#include "state/Texts.h"
#include "throne/ChessTable.h"

namespace tarnwick {

namespace {

using namespace door_room_art;

// Strictly inside the rectangle moved by (dx, dy).
bool Inside(int x, int y, const StoneRect& r, int dx = 0, int dy = 0) {
    return r.x + dx < x && x < r.x + dx + r.w && r.y + dy < y && y < r.y + dy + r.h;
}

}  // namespace

TPuzzleWin::TPuzzleWin(Stage& stage, const RiddleWindowTable& riddles)
    : SceneWindow(RoomW, RoomH), stage_(stage), game_(stage.game), riddles_(riddles) {
    setObjectName("TPuzzleWin");
    surface()->OnPaint = [this] { Paint(); };
    surface()->OnMouseDown = [this](Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) { Mousedown(x, y); };
    Cursor = new CursorFrame(surface());
}

namespace {

// Only checked here; decoded the first time a room is drawn.
bool TakeRoomPicture(const Game& game, Picture& picture) {
    return LoadStartPicture(game, picture, "b1.bmp", RoomW, RoomH, Decoding::AtFirstUse);
}

}  // namespace

bool TPuzzleWin::FormCreate() { return TakeRoomPicture(game_, RoomPicture); }

bool TPuzzleWin::CheckPictures(const Game& game) {
    Picture picture;
    return TakeRoomPicture(game, picture);
}

void TPuzzleWin::ShowModal(int room) {
    Room = room;
    // Set at the opening only: coming back from a riddle or a message keeps it.
    DoorState = game_.DoorOpen[Room] ? 2 : 0;
    CursorItem = 0;
    Cursor->Hide();
    TellState();
    RunModal(this);
}

void TPuzzleWin::FormShow() {}

std::vector<QRect> TPuzzleWin::Clickables() const {
    switch (DoorState) {
    case 0: return {QRect(Door.x, Door.y, Door.w, Door.h)};
    case 1: return {QRect(PieceAtX, PieceAtY, PieceCellW, PieceCellH)};
    default: {
        std::vector<QRect> stones;
        for (const StoneRect& stone : Stones)
            stones.emplace_back(StonesAtX + stone.x, StonesAtY + stone.y, stone.w, stone.h);
        return stones;
    }
    }
}

void TPuzzleWin::keyPressEvent(QKeyEvent* event) {
    const std::vector<QRect> items = Clickables();
    const int count = static_cast<int>(items.size());
    int step = 0;
    bool act = false;
    switch (event->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Right:
    case Qt::Key_Down: step = 1; break;
    case Qt::Key_Backtab:
    case Qt::Key_Left:
    case Qt::Key_Up: step = -1; break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter: act = true; break;
    default: SceneWindow::keyPressEvent(event); return;
    }
    if (event->key() == Qt::Key_Tab && (event->modifiers() & Qt::ShiftModifier)) step = -1;
    // The first key shows where the cursor is; the next ones move or click.
    if (!Cursor->Showing()) {
        CursorItem = std::clamp(CursorItem, 0, count - 1);
    } else if (step != 0) {
        CursorItem = (CursorItem + step + count) % count;
    } else if (act) {
        const QPoint at = items[static_cast<std::size_t>(std::clamp(CursorItem, 0, count - 1))].center();
        Mousedown(at.x(), at.y());
        CursorItem = std::clamp(CursorItem, 0, static_cast<int>(Clickables().size()) - 1);
    }
    Cursor->ShowAt(Clickables()[static_cast<std::size_t>(CursorItem)]);
}

void TPuzzleWin::TellState() {
    TRiddleWin* riddle = riddles_[Room];
    const QString room = riddle ? stage_.Text(riddle->Rules().RoomName()) : QString::number(Room);
    setAccessibleName(stage_.Text({"Tür: ", "Door: "}) + room);
    static const BiText States[3] = {
        {"Die Tür ist verschlossen.", "The door is closed."},
        {"In der offenen Tür liegt ein Teil des Schachbretts.", "A piece of the chess board lies in the open door."},
        {"Drei Steine leuchten in der Wand.", "Three stones glow in the wall."}};
    setAccessibleDescription(stage_.Text(States[std::min<int>(DoorState, 2)]));
}

void TPuzzleWin::showEvent(QShowEvent* event) {
    FormShow();
    SceneWindow::showEvent(event);
}

void TPuzzleWin::Paint() {
    CopyRect(surface()->canvas, 0, 0, RoomPicture, 0, 0, RoomW, RoomH);
    if (DoorState != 0) DrawOpenDoor();
    if (DoorState == 1) DrawPiece();
}

void TPuzzleWin::DrawOpenDoor() {
    CopyRect(surface()->canvas, OpenDoorAtX, OpenDoorAtY, RoomPicture, OpenDoorX, OpenDoorY, OpenDoorW, OpenDoorH);
    if (DoorState == 2) CopyRect(surface()->canvas, StonesAtX, StonesAtY, RoomPicture, StonesX, StonesY, StonesW, StonesH);
    surface()->Flush(QRect(OpenDoorAtX, OpenDoorAtY, OpenDoorW, OpenDoorH));
}

void TPuzzleWin::DrawPiece() {
    CopyRect(surface()->canvas, PieceAtX, PieceAtY, RoomPicture, pieceCellX(Room), pieceCellY(Room), PieceCellW,
             PieceCellH);
    surface()->Flush(QRect(PieceAtX, PieceAtY, PieceCellW, PieceCellH));
}

void TPuzzleWin::Mousedown(int x, int y) {
    if (!Inside(x, y, Door)) {
        Finish(ModalLeft);
        return;
    }
    if (DoorState == 1) {
        DoorState = 2;
        stage_.PlayCue(CuePickUp);
        DrawOpenDoor();
        TellState();
        return;
    }
    int level = 1;
    if (DoorState == 2) {
        level = 0;
        for (int stone = 0; stone < 3 && level == 0; ++stone)
            if (Inside(x, y, StoneHits[stone], StonesAtX, StonesAtY)) level = stone + 1;
        if (level == 0) return;
    }
    TRiddleWin* riddle = riddles_[Room];
    if (!riddle) return;  // this room's riddle is still being built
    const int result = riddle->ShowModal(level);
    if (!game_.DoorOpen[Room]) game_.DoorOpen[Room] = result == ModalDone;

    if (DoorState == 0 && game_.DoorOpen[Room]) {
        DoorState = 1;
        stage_.PlayCue(CueDoorOpens);
        stage_.Say(Room == 7 ? texts::DuelWon : texts::RiddleSolved);
        DrawOpenDoor();
        DrawPiece();
        PlacePiece(game_, Room, stage_.random);
        TellState();
    } else if (DoorState == 0) {
        stage_.PlayCue(CueFailed);
        stage_.Say(texts::RiddleFailed);
    }
}

}  // namespace tarnwick
