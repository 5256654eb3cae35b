// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's sound cues: cue n is the wave file "w" + n + ".wav" beside the
// program.
namespace tarnwick {

enum Cue {
    CueShift = 1, CueFootstep = 2, CueDoorOpens = 3, CueFailed = 4, CueSolved = 5,
    CueTriumph = 6, CueSpell = 7, CueRefused = 8, CueAccepted = 9, CuePickUp = 10,
    CueExplosion = 11,
};

}  // namespace tarnwick
