#pragma once
// The riddle room window, the same for all twelve rooms: title, the four
// buttons, the entry sequence, the room background, the three kinds of
// input (drag, push, click), the playback of what a move did, and the
// solved-state update. Each room brings its rules and a view of its board.
#include <QPushButton>
#include <functional>
#include <memory>

#include "platform/SceneWindow.h"
#include "riddles/RiddleCanvas.h"
#include "riddles/RoomRules.h"
#include "riddles/RoomView.h"

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

class TRiddleWin : public SceneWindow {
    Q_OBJECT
public:
    // `room` 1..12 picks the piece on the success button.
    TRiddleWin(int room, RoomParts parts);
    ~TRiddleWin() override;

    // The shared pictures, and how a cue is played (the main window's
    // PlayCue, which knows the sound button).
    void UsePictures(const RiddlePictures& pictures) { canvas_.Use(pictures); }
    void UseCues(std::function<void(int)> playCue) { playCue_ = std::move(playCue); }

    // Entry message, the level's start position, then the window modally.
    // Returns 1 when left solved through the success button, else 2.
    int ShowModal(int level);

    int Room() const { return room_; }
    RoomRules& Rules() { return *rules_; }
    int Level() const { return rules_->Level(); }
    RiddleCanvas& Canvas() { return canvas_; }

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

    // Where the ball in hand is drawn (its centre).
    int DragX = 0, DragY = 0;

protected:
    // The room is built when it opens and again when the rules messages
    // over it have closed (ShowRules); nothing else changes it meanwhile.
    void showEvent(QShowEvent* event) override;
    RoomView& View() { return *view_; }

private:
    void Play(const Steps& steps);
    void UpdateSolvedState();
    void PlayCue(int cue);

    int room_;
    std::unique_ptr<RoomRules> rules_;
    std::unique_ptr<RoomView> view_;
    DragRules* drag_ = nullptr;
    PushRules* push_ = nullptr;
    ClickRules* click_ = nullptr;
    RiddleCanvas canvas_;
    std::function<void(int)> playCue_;
};

// The riddle window of each room 1..12, null while a room has none. Each
// window puts itself here while it exists.
extern TRiddleWin* RiddleWindows[13];

}  // namespace tarnwick
