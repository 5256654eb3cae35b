// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes a cue as a plain PCM wave file: 16-bit, mono.
#include <string>

#include "Synth.h"

namespace tarnwick::sound {

// Samples are rounded to 16 bits (values outside -1..1 are clamped).
// Returns false if the file cannot be written.
bool writeWave(const std::string& path, const Signal& samples);

}  // namespace tarnwick::sound
