#pragma once
// Time as the game sees it: a millisecond tick counter and the blocking
// wait the animations use. Tests put in a clock that only counts.
#include <cstdint>

namespace tarnwick {

class Clock {
public:
    virtual ~Clock() = default;
    virtual std::uint32_t Ticks() = 0;
    // Blocks until the tick counter has passed its value at the call plus ms.
    virtual void BusyWait(int ms) = 0;
};

// The clock in use; never null.
Clock& GameClock();
void SetGameClock(Clock* clock);  // nullptr puts the real one back

// Blocks the thread (no window messages are handled meanwhile).
inline void BusyWait(int ms) { GameClock().BusyWait(ms); }

}  // namespace tarnwick
