// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The riddle room window, the same for all twelve rooms: on the frame, the
// room's title and the entry sequence, the room background, the three kinds
// of input (drag, push, click), the playback of what a move did, and the
// solved-state update. Each room brings its rules and a view of its board.
#include <QLabel>
#include <memory>

#include "riddles/frame/MoveHistory.h"
#include "riddles/frame/RiddleFrame.h"
#include "riddles/frame/RoomRules.h"
#include "riddles/frame/RoomView.h"

namespace tarnwick {

// A room's rules and the view that draws them.
struct RoomParts {
    std::unique_ptr<RoomRules> rules;
    std::unique_ptr<RoomView> view;
};

// Makes the parts of a room: the rules first, then a view of them.
template <typename View, typename Rules, typename... ViewArgs>
RoomParts MakeRoom(std::unique_ptr<Rules> rules, ViewArgs&&... viewArgs) {
    auto view = std::make_unique<View>(*rules, std::forward<ViewArgs>(viewArgs)...);
    return {std::move(rules), std::move(view)};
}

class TRiddleWin : public TRiddleFrame {
    Q_OBJECT
public:
    // `room` 1..12 picks the piece on the success button. The room draws
    // with the stage's riddle picture, room background and drag save area.
    TRiddleWin(Stage& stage, int room, RoomParts parts);
    ~TRiddleWin() override;

    // Entry message, the level's start position, then the window modally.
    // Returns 1 when left solved through the success button, else 2.
    int ShowModal(int level);

    int Room() const { return room_; }
    RoomRules& Rules() { return *rules_; }
    int Level() const { return rules_->Level(); }

    QLabel* Title;

    // Handlers, public so tests can drive the window as the mouse would.
    void FormShow();
    void Activate();
    void Paint();
    void ResetBtnClick() override;
    void MouseDown(int x, int y);
    void MouseMove(int x, int y);
    void MouseUp(int x, int y);
    // Takes the last move back (Ctrl+Z), makes it again (Ctrl+Y or
    // Ctrl+Shift+Z), shows the next move of a shortest solution (H).
    void Undo();
    void Redo();
    void ShowHint();

    // Where the ball in hand is drawn (its centre).
    int DragX = 0, DragY = 0;

protected:
    // The room is built when it opens and again when the rules messages
    // over it have closed; nothing else changes it meanwhile.
    void showEvent(QShowEvent* event) override;
    std::vector<BiText> RulesMessages() const override { return rules_->RulesMessages(); }
    void AfterRules() override;

private:
    // The keys of the board, by the room's kind of input.
    void UseKeys();
    void Play(const Steps& steps);
    void UpdateSolvedState();
    // A copy of the room as it stands after a move, for Undo.
    void RecordMove(bool always = false);
    void ShowAsItStands(bool solvedShown);

    int room_;
    std::unique_ptr<RoomRules> rules_;
    std::unique_ptr<RoomView> view_;
    DragRules* drag_ = nullptr;
    PushRules* push_ = nullptr;
    ClickRules* click_ = nullptr;
    MoveHistory history_;
};

}  // namespace tarnwick
