// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every window of the game on the offscreen platform, made as the program
// makes them, with a counting clock, recorded cues and dice the test may
// decide. For the riddle rooms: entering runs a room's entry sequence, the
// message window answering the entry and rules messages; what the player
// does inside is a function of the test.
#include <QCoreApplication>
#include <QStringList>
#include <functional>
#include <memory>

#include "platform/SceneWindow.h"
#include "riddles/frame/RiddleWin.h"
#include "shell/GameWindows.h"
#include "shell/Main.h"
#include "shell/Msg.h"
#include "state/Game.h"
#include "support/GameRig.h"

namespace tarnwick::testing {

// The main window up, as the program has it when play begins (the scenes
// lie in it), without the questions of the first start.
inline void Show(GameWindows& windows) {
    windows.MainForm->FirstActivation = false;
    windows.MainForm->show();
    windows.MainForm->activateWindow();
    QCoreApplication::processEvents();
}

class WindowsRig {
public:
    explicit WindowsRig(const QString& dataHome = {}) : game(dataHome), windows(game.clock, game.dice, game.cues) {
        ready_ = windows.MakeAll();
        if (ready_) Show(windows);
    }
    ~WindowsRig() {
        if (scripted_) SetModalScript({});
    }
    WindowsRig(const WindowsRig&) = delete;
    WindowsRig& operator=(const WindowsRig&) = delete;

    bool Ready() const { return ready_; }
    TRiddleWin& Room(int room) { return *windows.RiddleWindows[room]; }
    Game& State() { return windows.game; }

    // The room's entry sequence at a level; inside the window (activated
    // and painted) `play` acts as the player and returns how it is left.
    int Enter(TRiddleWin& room, int level, std::function<int()> play) {
        scripted_ = true;
        SetModalScript([&](QDialog* window) {
            if (window == windows.MessDlg) {
                messages << windows.MessDlg->Mess->text();
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
        State().Language = language;
        messages.clear();
        Enter(room, level, [&room] {
            room.ShowRules();
            return ModalLeft;
        });
        return messages;
    }

    // A fresh start for the next test: English, no messages, cues or waits.
    void Forget() {
        State().Language = 0;
        messages.clear();
        TakeCues();
        TakeWaits();
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
    GameWindows windows;
    QStringList messages;  // message windows shown, in order

private:
    bool ready_ = false;
    bool scripted_ = false;  // the modal loop is the rig's
};

// A riddle window driven as the mouse drives it.
inline void Drag(TRiddleWin& room, BoardCell from, BoardCell to) {
    const Pixel a = room.Rules().Geometry().Centre(from), b = room.Rules().Geometry().Centre(to);
    room.MouseDown(a.x, a.y);
    room.MouseMove((a.x + b.x) / 2, (a.y + b.y) / 2);
    room.MouseMove(b.x, b.y);
    room.MouseUp(b.x, b.y);
}
inline void Click(TRiddleWin& room, BoardPoint point) {
    const Pixel corner = room.Rules().Geometry().Corner(point.cell);
    room.MouseDown(corner.x + point.dx, corner.y + point.dy);
}
inline void Click(TRiddleWin& room, BoardCell cell) { Click(room, BoardPoint{cell, 16, 16}); }
// The hint's move made with the mouse: a drag, a push (pressed on the
// ball, moved onto its next field, released) or a click.
inline void PlayWithTheMouse(TRiddleWin& room, const Hint& hint) {
    if (hint.kind != Hint::Move || hint.fields.empty()) return;
    if (hint.fields.size() == 1) return Click(room, hint.fields.front());
    if (!dynamic_cast<PushRules*>(&room.Rules())) return Drag(room, hint.fields[0].cell, hint.fields[1].cell);
    const Pixel a = room.Rules().Geometry().Centre(hint.fields[0].cell);
    const Pixel b = room.Rules().Geometry().Centre(hint.fields[1].cell);
    room.MouseDown(a.x, a.y);
    room.MouseMove(b.x, b.y);
    room.MouseUp(b.x, b.y);
}

// Whether the window shows the w x h square at (x, y) just as the room
// background holds it.
inline bool ShowsRoomBackground(TRiddleWin& room, int x, int y, int w, int h) {
    const QImage& window = room.Canvas().Window().Image();
    const QImage& background = room.Canvas().Room().Image();
    return window.copy(x, y, w, h) == background.copy(x, y, w, h);
}

}  // namespace tarnwick::testing
