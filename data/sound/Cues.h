// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The recipes of the game's eleven sound cues, before levelling.
#include "Synth.h"
#include "data/kit/NoiseStream.h"

namespace tarnwick::sound {

// Noises of play: short, dry, repeated often.
Signal stoneShift();      // w1: a corridor row grinds one tile along
Signal footstep();        // w2: one step on the cellar floor
Signal dullThud();        // w8: a move is refused
Signal softTick();        // w9: a move is accepted
Signal woodenClack();     // w10: a chess-board piece is picked up
Signal gemExplosion();    // w11: a field of gems bursts

// Little pieces of music.
Signal mockingFall();     // w4: the riddle beat you
Signal brightFanfare();   // w5: the riddle is solved
Signal triumphChord();    // w6: corridors restored or board complete

// Scenes.
Signal creakingDoor();    // w3: a heavy door swings open
Signal eerieWhoosh();     // w7: the chancellor's spell carries you off

}  // namespace tarnwick::sound
