#pragma once
// A riddle room window on the offscreen platform as the program furnishes
// it: the main window's pictures and cues, the message window for the
// entry and rules messages, a counting clock and recorded cues. Entering
// runs the room's entry sequence; what the player does inside is a
// function of the test.
#include <QStringList>
#include <functional>
#include <memory>

#include "platform/SceneWindow.h"
#include "riddles/RiddleWin.h"
#include "shell/GameState.h"
#include "shell/Main.h"
#include "shell/Msg.h"
#include "support/GameRig.h"

namespace tarnwick::testing {

class RoomWindowRig {
public:
    RoomWindowRig() {
        main_ = std::make_unique<TMainForm>();
        ready_ = main_->FormCreate();
        mess_ = std::make_unique<TMessDlg>();
        MessDlg = mess_.get();
    }
    ~RoomWindowRig() {
        SetModalScript({});
        MessDlg = nullptr;
    }
    RoomWindowRig(const RoomWindowRig&) = delete;
    RoomWindowRig& operator=(const RoomWindowRig&) = delete;

    bool Ready() const { return ready_; }

    void Furnish(TRiddleWin& room) {
        room.UsePictures({&main_->RiddlePicture, &main_->RoomBackground, &main_->DragSaveArea});
        room.UseCues([this](int cue) { main_->PlayCue(cue); });
    }

    // The room's entry sequence at a level; inside the window (activated
    // and painted) `play` acts as the player and returns how it is left.
    int Enter(TRiddleWin& room, int level, std::function<int()> play) {
        SetModalScript([&](QDialog* window) {
            if (window == mess_.get()) {
                messages << mess_->Mess->text();
                return ModalDone;
            }
            room.Activate();
            room.Paint();
            return play();
        });
        return room.ShowModal(level);
    }

    // The messages of one visit at a level in a language: the entry
    // message, then the rules as the help button shows them.
    QStringList ReadRules(TRiddleWin& room, int level, int language) {
        Language = language;
        messages.clear();
        Enter(room, level, [&room] {
            room.ShowRules();
            return ModalLeft;
        });
        return messages;
    }

    // Cues and waits since the last call, and forgets them.
    std::vector<int> TakeCues() {
        auto cues = game.cues.Played();
        game.cues.log.clear();
        return cues;
    }
    std::vector<int> TakeWaits() {
        auto waits = game.clock.waits;
        game.clock.waits.clear();
        return waits;
    }

    GameRig game;
    QStringList messages;  // message windows shown, in order

private:
    std::unique_ptr<TMainForm> main_;
    std::unique_ptr<TMessDlg> mess_;
    bool ready_ = false;
};

// Whether the window shows the w x h square at (x, y) just as the room
// background holds it.
inline bool ShowsRoomBackground(TRiddleWin& room, int x, int y, int w, int h) {
    const QImage& window = room.Canvas().Window().Image();
    const QImage& background = room.Canvas().Room().Image();
    return window.copy(x, y, w, h) == background.copy(x, y, w, h);
}

}  // namespace tarnwick::testing
