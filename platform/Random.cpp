#include "platform/Random.h"

#include <chrono>

namespace tarnwick {

int SeededRandom::Next(int n) {
    if (n <= 0) return 0;
    std::uniform_int_distribution<int> dist(0, n - 1);
    return dist(engine_);
}

namespace {
SeededRandom& BuiltIn() {
    static SeededRandom random(5489u);
    return random;
}
Random* current = nullptr;
}  // namespace

Random& GameRandom() { return current ? *current : BuiltIn(); }

void SetGameRandom(Random* random) { current = random; }

Random& CurrentGameRandom() {
    class Forwarder : public Random {
    public:
        int Next(int n) override { return GameRandom().Next(n); }
    };
    static Forwarder forwarder;
    return forwarder;
}

void SeedGameRandomFromClock() {
    BuiltIn().Seed(static_cast<std::uint64_t>(
        std::chrono::steady_clock::now().time_since_epoch().count() ^
        std::chrono::system_clock::now().time_since_epoch().count()));
}

}  // namespace tarnwick
