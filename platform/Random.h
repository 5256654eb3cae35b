// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's source of chance: one generator, seeded once from the clock
// when the game starts. Tests hand in their own to make every draw known.
#include <cstdint>
#include <random>

namespace tarnwick {

class Random {
public:
    virtual ~Random() = default;
    // A uniform integer 0..n-1 (0 when n <= 0).
    virtual int Next(int n) = 0;
};

class SeededRandom : public Random {
public:
    explicit SeededRandom(std::uint64_t seed) : engine_(seed) {}
    void Seed(std::uint64_t seed) { engine_.seed(seed); }
    int Next(int n) override;

private:
    std::mt19937_64 engine_;
};

// A seed from the clock, different at every start.
std::uint64_t ClockSeed();

}  // namespace tarnwick
