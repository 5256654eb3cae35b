// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's cue player. The sound machinery (Qt Multimedia and its sound
// thread) lives in the sound module, which is loaded at the first cue that
// is to be heard: a game played with the sound off never loads it, and
// start-up never waits for it. Without the module every cue is silence.
#include <memory>

#include "platform/CuePlayer.h"

namespace tarnwick {

class LazyCuePlayer : public CuePlayer {
public:
    LazyCuePlayer();
    ~LazyCuePlayer() override;

    void Stop() override;
    void Play(int cue, const std::string& waveFile) override;

    // Whether the sound module has been loaded (and what became of it).
    bool Loaded() const { return player_ != nullptr; }
    bool Tried() const { return tried_; }

private:
    std::unique_ptr<CuePlayer> player_;
    bool tried_ = false;
};

using MakeCuePlayerFunction = CuePlayer* (*)();
constexpr const char* SoundModuleName = "tarnwick_sound";
constexpr const char* MakeCuePlayerSymbol = "tarnwick_make_cue_player_1";

}  // namespace tarnwick
