// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Time as the game sees it: a millisecond tick counter and the blocking
// wait the animations use. Tests put in a clock that only counts.
#include <cstdint>

namespace tarnwick {

class Clock {
public:
    virtual ~Clock() = default;
    virtual std::uint32_t Ticks() = 0;
    // Blocks until the tick counter has passed its value at the call plus
    // ms; no window messages are handled meanwhile.
    virtual void BusyWait(int ms) = 0;
};

// The system's clock.
class SystemClock : public Clock {
public:
    std::uint32_t Ticks() override;
    void BusyWait(int ms) override;
};

}  // namespace tarnwick
