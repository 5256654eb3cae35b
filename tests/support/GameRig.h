// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every window test puts around the game: a settings folder of its
// own, a clock that only counts, a cue player that writes down, dice whose
// draws the test may decide, and the program folder with the real data
// files. The game's windows take the rig's services as the program's take
// its own.
#include <QTemporaryDir>

#include "platform/System.h"
#include "stage/Stage.h"
#include "support/FakeTime.h"

namespace tarnwick::testing {

// Draws from the generator the test puts in; a seeded one until then.
class TestDice : public Random {
public:
    int Next(int n) override { return (use ? use : &seeded)->Next(n); }
    Random* use = nullptr;
    SeededRandom seeded{5489};
};

struct GameRig {
    // `dataHome`: the user's data folder (where the game keeps its recovery
    // file) when the test shares one between games; else one of its own.
    explicit GameRig(const QString& dataHome = {}) {
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        qputenv("XDG_DATA_HOME", (dataHome.isEmpty() ? data.path() : dataHome).toUtf8());
        SetProgramFolder(PROGRAM_DIR);
    }
    GameRig(const GameRig&) = delete;
    GameRig& operator=(const GameRig&) = delete;

    QTemporaryDir config;
    QTemporaryDir data;
    CountingClock clock;
    RecordingCues cues;
    TestDice dice;
};

// A scene's surroundings without the rest of the game: the game's state,
// reading its files from the program folder, on a stage of the rig's
// services.
struct StageRig : GameRig {
    StageRig() { game.ProgramDir = PROGRAM_DIR; }
    Game game;
    Stage stage{game, clock, dice};
};

}  // namespace tarnwick::testing
