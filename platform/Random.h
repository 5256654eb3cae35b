#pragma once
// The game's one source of chance. Play uses the generator seeded from the
// clock at start-up; tests put in their own to make every draw known.
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

// The generator in use; never null.
Random& GameRandom();
// Replaces the generator in use (nullptr puts the built-in one back).
void SetGameRandom(Random* random);
// A generator that draws from whichever one is in use at each draw: for
// rules made once that deal again and again, so a generator put in later
// (a test's) is the one they draw with.
Random& CurrentGameRandom();
// Seeds the built-in generator from the clock.
void SeedGameRandomFromClock();

}  // namespace tarnwick
