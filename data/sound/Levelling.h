// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Brings every cue to about the same loudness, keeping its peaks well
// below full scale.
#include "Synth.h"

namespace tarnwick::sound {

// Loudest 100 ms of the signal, weighted roughly like the ear (treble
// counts a little more, deep rumble less), in dB relative to full scale.
double loudnessDb(const Signal& s);

// Scales the signal to the target loudness, but never lets a peak go
// above `peakCeiling` (a fraction of full scale).
void levelTo(Signal& s, double targetDb, double peakCeiling);

}  // namespace tarnwick::sound
