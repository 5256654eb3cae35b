#pragma once
// The riddle room window, the same for all twelve rooms: title, the four
// buttons, the entry sequence, the room background, ball drawing, the drag
// protocol and the solved-state update. Each room brings only its rules.
#include <QPushButton>
#include <memory>

#include "platform/SceneWindow.h"
#include "riddles/RiddleRules.h"

namespace tarnwick {

class TRiddleWin : public SceneWindow {
    Q_OBJECT
public:
    // `room` 1..12 picks the piece on the success button.
    TRiddleWin(int room, std::unique_ptr<RiddleRules> rules);
    ~TRiddleWin() override;

    // Entry message, the level's start position, then the window modally.
    // Returns 1 when left solved through the success button, else 2.
    int ShowModal(int level);

    RiddleRules& Rules() { return *rules_; }
    int Level() const { return rules_->Level(); }

    QLabel* Title;
    QPushButton* ResetBtn;
    QPushButton* HelpBtn;
    QPushButton* EscBtn;
    QPushButton* OKBtn;

    // Handlers, public so tests can drive the window as the mouse would.
    void FormShow();
    void Activate();
    void Paint();
    void ShowRules();
    void ResetBtnClick();
    void MouseDown(int x, int y);
    void MouseMove(int x, int y);
    void MouseUp(int x, int y);

    // Drawing on the window (its off-screen picture, shown at once).
    void DrawBall(int x, int y, int kind);
    void RestoreUnderBall(int x, int y);
    void SaveAndDrawBall(int x, int y, int kind);

    int DragX = 0, DragY = 0;

protected:
    // The room is built when it opens and again when the rules messages
    // over it have closed (ShowRules); nothing else changes it meanwhile.
    void showEvent(QShowEvent* event) override;

private:
    void UpdateSolvedState();
    void DrawCellBall(BoardCell cell);

    int room_;
    std::unique_ptr<RiddleRules> rules_;
};

// The riddle window of each room 1..12, null while a room has none. Each
// window puts itself here while it exists.
extern TRiddleWin* RiddleWindows[13];

}  // namespace tarnwick
