// SPDX-License-Identifier: GPL-3.0-or-later
// Builds the game's eleven sound cues w1.wav .. w11.wav into the folder
// given as the only argument.
#include <cstdio>
#include <string>

#include "Cues.h"
#include "Levelling.h"
#include "WaveFile.h"

using namespace tarnwick::sound;

namespace {

struct Cue {
    int number;
    Signal (*make)();
    double loudness;  // dB; quick little noises sit a touch lower
};

const Cue Cues[] = {
    {1, stoneShift, -18},    {2, footstep, -20},      {3, creakingDoor, -17},
    {4, mockingFall, -17},   {5, brightFanfare, -17}, {6, triumphChord, -17},
    {7, eerieWhoosh, -17},   {8, dullThud, -18},      {9, softTick, -20},
    {10, woodenClack, -19},  {11, gemExplosion, -17},
};

constexpr double PeakCeiling = 0.79;  // about 2 dB below full scale

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    const std::string dir = std::string(argv[1]) + "/";
    for (const Cue& cue : Cues) {
        Signal s = cue.make();
        levelTo(s, cue.loudness, PeakCeiling);
        const std::string path = dir + "w" + std::to_string(cue.number) + ".wav";
        if (!writeWave(path, s)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
