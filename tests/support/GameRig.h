#pragma once
// What every window test puts around the game: a settings folder of its
// own, a clock that only counts, a cue player that writes down, and the
// program folder with the real data files.
#include <QTemporaryDir>

#include "platform/System.h"
#include "support/FakeTime.h"

namespace tarnwick::testing {

struct GameRig {
    GameRig() {
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        SetGameClock(&clock);
        SetGameCuePlayer(&cues);
        SetProgramFolder(PROGRAM_DIR);
    }
    ~GameRig() {
        SetGameClock(nullptr);
        SetGameCuePlayer(nullptr);
    }
    GameRig(const GameRig&) = delete;
    GameRig& operator=(const GameRig&) = delete;

    QTemporaryDir config;
    CountingClock clock;
    RecordingCues cues;
};

}  // namespace tarnwick::testing
