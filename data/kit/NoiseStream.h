// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// White noise as a stream of numbers in -1..1 from a fixed seed, the same on
// every run: the grain of the sound cues.
#include <cstdint>

namespace kit {

class NoiseStream {
public:
    explicit NoiseStream(std::uint32_t seed) : state_(seed ? seed : 0x9e3779b9u) {}
    double next();

private:
    std::uint32_t state_;
};

}  // namespace kit
