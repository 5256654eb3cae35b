// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plays the sound cues: starts a wave file and returns at once. Tests put
// in a player that only writes down what it was asked to do.
#include <string>

namespace tarnwick {

class CuePlayer {
public:
    virtual ~CuePlayer() = default;
    virtual void Stop() = 0;
    // Starts the wave file of cue n; a file that is missing plays nothing.
    virtual void Play(int cue, const std::string& waveFile) = 0;
};

}  // namespace tarnwick
