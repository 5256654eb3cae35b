#pragma once
// Every window of the game, made once in its fixed order, each known by its
// global name, and unmade in the reverse order of making, the names cleared
// with them. The program makes them at start; tests that play the whole
// game make the same set.
#include <functional>
#include <vector>

#include "platform/LazyCuePlayer.h"

namespace tarnwick {

class GameWindows {
public:
    GameWindows() = default;
    GameWindows(const GameWindows&) = delete;
    GameWindows& operator=(const GameWindows&) = delete;
    ~GameWindows();

    // Makes every window in the fixed order; the riddle rooms get the main
    // window's pictures and cues. False when a window's pictures are
    // missing (the error box has then been shown): the program must end.
    bool MakeAll();

    template <typename Window>
    Window* Make(Window*& name) {
        auto* window = new Window;
        name = window;
        unmake_.push_back([window, &name] {
            name = nullptr;
            delete window;
        });
        return window;
    }

    // A window with no global name of its own.
    template <typename Window>
    Window* Keep(Window* window) {
        unmake_.push_back([window] { delete window; });
        return window;
    }

private:
    std::vector<std::function<void()>> unmake_;
};

// The cue player lives as long as the game and is let go before it. It
// loads the sound system at the first cue that is to be heard.
class GameSound {
public:
    GameSound();
    ~GameSound();
    GameSound(const GameSound&) = delete;
    GameSound& operator=(const GameSound&) = delete;

private:
    LazyCuePlayer player_;
};

}  // namespace tarnwick
