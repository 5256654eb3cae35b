// SPDX-License-Identifier: GPL-3.0-or-later
// The hint of every riddle room: how long NextMove takes from positions a
// player can reach. For each room and level, positions met along random
// walks of legal moves from the entry (of every length up to the whole
// walk), and along the hint's own way from the entry, with a random move
// now and then. Reports per room the median and the worst over all its
// positions, and the worst position's level and what the hint answered.
//   hint_bench [WALKS [ROOM]]   (12 walks a level, every room)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "support/RoomMoves.h"

using namespace tarnwick;

namespace {

double NowMs() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

const char* KindName(Hint::Kind kind) {
    switch (kind) {
    case Hint::Move: return "move";
    case Hint::Solved: return "solved";
    case Hint::NoWay: return "no way";
    default: return "gave up";
    }
}

struct Sample {
    double ms;
    int level;
    Hint::Kind kind;
};

// The time of one hint, as the player would wait for it: asked once (a
// room that keeps the way it found answers the next hint along it at once).
Sample Time(const RoomRules& room) {
    const double t0 = NowMs();
    const Hint::Kind kind = room.NextMove().kind;
    return {NowMs() - t0, room.Level(), kind};
}

}  // namespace

int main(int argc, char** argv) {
    // Walks per level (the duel's hint weighs every answer to every move:
    // fewer of its walks are timed).
    const int walks = argc > 1 ? std::atoi(argv[1]) : 12;
    const int only = argc > 2 ? std::atoi(argv[2]) : 0;  // one room, or every room
    const int language = 0;
    std::printf("Hints from reachable positions (%d walks a level, each of its positions timed):\n", walks);
    std::printf("  %-5s %9s %12s %12s   %s\n", "room", "positions", "median ms", "worst ms", "worst at");
    for (int roomNumber = 1; roomNumber <= 12; ++roomNumber) {
        if (only != 0 && roomNumber != only) continue;
        std::vector<Sample> samples;
        SeededRandom dice(static_cast<std::uint64_t>(roomNumber));
        for (int level = 1; level <= 3; ++level) {
            const int levelWalks = roomNumber == 7 ? std::max(1, walks / 6) : walks;
            for (int walk = 0; walk < levelWalks; ++walk) {
                auto room = testing::RoomRulesOf(roomNumber, dice, language);
                room->InitLevel(level);
                // Half the walks follow the hint, straying at random now
                // and then; the others are random from the start.
                const bool followHint = walk % 2 == 0;
                const int length = 1 + dice.Next(roomNumber == 7 ? 12 : 60);
                for (int move = 0; move < length; ++move) {
                    const Sample sample = Time(*room);
                    samples.push_back(sample);
                    bool moved = false;
                    if (followHint && sample.kind == Hint::Move && dice.Next(8) != 0)
                        moved = testing::PlayHint(*room, room->NextMove());
                    if (!moved && !testing::RandomMove(*room, dice)) break;
                }
            }
        }
        std::sort(samples.begin(), samples.end(), [](const Sample& a, const Sample& b) { return a.ms < b.ms; });
        const Sample& worst = samples.back();
        std::printf("  %-5d %9zu %12.3f %12.3f   level %d, %s\n", roomNumber, samples.size(),
                    samples[samples.size() / 2].ms, worst.ms, worst.level, KindName(worst.kind));
    }
    return 0;
}
