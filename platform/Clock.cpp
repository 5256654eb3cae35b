// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Clock.h"

#include <chrono>
#include <thread>

namespace tarnwick {

std::uint32_t SystemClock::Ticks() {
    using namespace std::chrono;
    return static_cast<std::uint32_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void SystemClock::BusyWait(int ms) {
    // Polls the counter like a busy loop would, but sleeps between polls
    // so an animation does not burn a core.
    const std::uint32_t start = Ticks();
    while (static_cast<std::int32_t>(Ticks() - start) < ms) std::this_thread::sleep_for(std::chrono::microseconds(500));
}

}  // namespace tarnwick
