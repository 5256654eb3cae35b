// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Random.h"

#include <chrono>

namespace tarnwick {

int SeededRandom::Next(int n) {
    if (n <= 0) return 0;
    std::uniform_int_distribution<int> dist(0, n - 1);
    return dist(engine_);
}

std::uint64_t ClockSeed() {
    return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count() ^
                                      std::chrono::system_clock::now().time_since_epoch().count());
}

}  // namespace tarnwick
