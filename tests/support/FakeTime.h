// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Stand-ins for the clock, the cue player and the dice, so animations run
// without waiting and tests can read back every wait, cue and draw.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/Clock.h"
#include "platform/CuePlayer.h"
#include "platform/Random.h"

namespace tarnwick::testing {

class CountingClock : public Clock {
public:
    std::uint32_t Ticks() override { return now; }
    void BusyWait(int ms) override {
        waits.push_back(ms);
        now += static_cast<std::uint32_t>(ms);
        if (onWait) onWait();
    }
    std::uint32_t now = 1000;
    std::vector<int> waits;
    // Called at every wait: an animation's frame is on the screen then.
    std::function<void()> onWait;
};

// Writes down "stop" and the cue numbers it is asked to play.
class RecordingCues : public CuePlayer {
public:
    void Stop() override { log.push_back("stop"); }
    void Play(int cue, const std::string& file) override {
        log.push_back(std::to_string(cue));
        files.push_back(file);
    }
    std::vector<int> Played() const {
        std::vector<int> cues;
        for (const auto& e : log)
            if (e != "stop") cues.push_back(std::stoi(e));
        return cues;
    }
    std::vector<std::string> log;
    std::vector<std::string> files;
};

// Hands out the numbers it was given, then zeros; remembers each range.
class ScriptedRandom : public Random {
public:
    explicit ScriptedRandom(std::deque<int> values = {}) : values(std::move(values)) {}
    int Next(int n) override {
        ranges.push_back(n);
        if (values.empty()) return 0;
        const int v = values.front();
        values.pop_front();
        return v;
    }
    std::deque<int> values;
    std::vector<int> ranges;
};

}  // namespace tarnwick::testing
