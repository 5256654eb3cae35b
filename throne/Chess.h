// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The throne room behind door 13, on the riddle frame: the won pieces of the
// king's chess board lie on the table, and the player carries, turns and
// puts them down until they form the whole board again.
#include "platform/OnDemand.h"
#include "riddles/frame/RiddleFrame.h"
#include "throne/ChessHand.h"

namespace tarnwick {

class TDoneWin;

class TChessWin : public TRiddleFrame {
    Q_OBJECT
public:
    explicit TChessWin(Stage& stage);

    // Checks the throne-room and pieces pictures (decoded at their first
    // use); false when one is missing and the program must end (the error
    // box has then been shown).
    bool FormCreate();
    // The same check before the room is made: the game checks the throne
    // room's pictures at start and makes the room when it is first entered.
    static bool CheckPictures(const Game& game);
    // The entry message, then the room itself: 1 when left with OKBtn after
    // the board was completed, 2 when left with EscBtn.
    int ShowModal();

    void FormShow();
    void Paint();
    void MouseDown(Qt::MouseButton button, int x, int y);
    void MouseMove(int x, int y);

    // The closing window, shown when the board is whole; handed in once made.
    OnDemand<TDoneWin> DoneWin;

    // The piece in hand (kept from one visit to the next) and where its
    // 4 x 4 box is drawn while it is carried.
    ChessHand Hand;
    int DragLeft = 0;
    int DragTop = 0;

    Picture ThronePicture;   // b3.bmp: the room with its table
    Picture PiecesPicture;   // b8.bmp: every piece in every turn
    Picture CarrySaveArea;   // 80 x 80: the room under the carried piece

protected:
    void showEvent(QShowEvent* event) override;
    std::vector<BiText> RulesMessages() const override;

private:
    // The table's keys: the cursor over its cells, a press picks up and
    // puts down as the left button does, R turns as the right one.
    void UseKeys();
    // What lies on a table cell, for a screen reader.
    QString CellName(QPoint cell) const;
    void DrawPiece(int piece, int x, int y);
    void ErasePiece(int piece);
    void SaveAndDrawPiece();
    void RestoreUnderPiece();
    void PickUp(int x, int y);
    void PutDown(int x, int y);
    void TurnInHand();
    void CompletionTest();
    // Empties the hand when a new or loaded game took its piece away; true
    // if it did.
    bool LetGoOfLostPiece();
    void ShowCarryCursor(bool carrying);
    QRect CarryRect() const;
    QRect TableRect(int piece) const;

    Game& game_;
};

}  // namespace tarnwick
