// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The room behind doors 1..12: the door in the wall, the riddle behind it,
// the piece of the chess board won there, and the three wall stones that
// lead to the riddle's three levels once the door is open.
#include <array>
#include <vector>

#include "platform/OnDemand.h"
#include "platform/CursorFrame.h"
#include "platform/SceneWindow.h"
#include "stage/Stage.h"

namespace tarnwick {

class TRiddleWin;
// The riddle window of each room 1..12 (index 0 unused), null while a room
// has none yet.
using RiddleWindowTable = std::array<OnDemand<TRiddleWin>, RoomCount + 1>;

class TPuzzleWin : public SceneWindow {
    Q_OBJECT
public:
    TPuzzleWin(Stage& stage, const RiddleWindowTable& riddles);
    // Checks the room picture (decoded at its first use); false when it
    // cannot be read (the error box has then been shown).
    bool FormCreate();
    // The same check before the room is made: the game checks at start the
    // pictures of the rooms it makes only when they are first entered.
    static bool CheckPictures(const Game& game);
    void ShowModal(int room);

    // Handlers, public so tests can drive the room.
    void FormShow();
    void Paint();
    void Mousedown(int x, int y);

    Picture RoomPicture;  // b1.bmp
    unsigned char DoorState = 0;  // 0 closed, 1 open with the piece, 2 open with the stones
    int Room = 1;

    // The keys: Tab and Shift+Tab (or the arrow keys) take the cursor round
    // what there is to click (the closed door; the piece; the three
    // stones), Space or Enter click it, Escape leaves the room.
    CursorFrame* Cursor;
    int CursorItem = 0;  // which of them the cursor is on

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void DrawOpenDoor();
    void DrawPiece();
    // What there is to click now, and where its picture lies.
    std::vector<QRect> Clickables() const;
    // The room's name and how the door stands, for a screen reader.
    void TellState();

    Stage& stage_;
    Game& game_;
    const RiddleWindowTable& riddles_;
};

}  // namespace tarnwick
