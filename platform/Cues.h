#pragma once
// The sound cues. The player behind them starts a wave file and returns at
// once; tests put in one that only writes down what it was asked to do.
#include <string>

namespace tarnwick {

enum Cue {
    CueShift = 1, CueFootstep = 2, CueDoorOpens = 3, CueFailed = 4, CueSolved = 5,
    CueTriumph = 6, CueSpell = 7, CueRefused = 8, CueAccepted = 9, CuePickUp = 10,
    CueExplosion = 11,
};

class CuePlayer {
public:
    virtual ~CuePlayer() = default;
    virtual void Stop() = 0;
    // Starts the wave file of cue n; a file that is missing plays nothing.
    virtual void Play(int cue, const std::string& waveFile) = 0;
};

CuePlayer& GameCuePlayer();
void SetGameCuePlayer(CuePlayer* player);  // nullptr: silence

}  // namespace tarnwick
