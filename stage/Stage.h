// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every scene of the game is handed: the game itself, the clock and
// the dice that its rules and animations draw on, the pictures the scenes
// share, and the ways to the player (the sound cues, the message and
// question windows), which the shell wires once its windows exist.
#include <QString>
#include <functional>

#include "platform/Clock.h"
#include "platform/Picture.h"
#include "platform/Random.h"
#include "state/Game.h"

namespace tarnwick {

// The pictures the scenes share, loaded once at start.
struct SharedPictures {
    Picture LabyrinthPicture;  // b5.bmp: tiles, doors, player
    Picture RiddlePicture;     // b2.bmp: riddle rooms
    Picture MessagePicture;    // b6.bmp: message and question windows
    Picture DragSaveArea;      // 54 x 54
    Picture RoomBackground;    // 320 x 380
};

class Stage {
public:
    Stage(Game& game, Clock& clock, Random& random) : game(game), clock(clock), random(random) {}
    Stage(const Stage&) = delete;
    Stage& operator=(const Stage&) = delete;

    Game& game;
    Clock& clock;
    Random& random;
    SharedPictures pictures;

    // The player's side; each does nothing (a question is answered no)
    // until it is wired.
    std::function<void(int cue)> playCue;
    std::function<void(const QString& text)> say;
    std::function<bool(const QString& question)> ask;

    // Stops the cue playing and starts cue n (0: none) when the sound is on.
    void PlayCue(int cue) const {
        if (playCue) playCue(cue);
    }
    // Blocks for ms milliseconds; no window messages are handled meanwhile.
    void BusyWait(int ms) const { clock.BusyWait(ms); }
    // The message window, until a click or Return.
    void Say(const QString& text) const {
        if (say) say(text);
    }
    void Say(const BiText& text) const { Say(Text(text)); }
    // The question window: true for yes.
    bool Ask(const BiText& question) const { return ask && ask(Text(question)); }
    // A text in the game's language, at the moment it is shown.
    QString Text(const BiText& text) const { return QString::fromUtf8(game.Tr(text)); }
};

}  // namespace tarnwick
