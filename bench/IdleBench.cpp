// SPDX-License-Identifier: GPL-3.0-or-later
// The game at rest against the bare Qt window: both are started, left to
// settle, and then watched side by side for two spans of seconds one after
// the other (the first may still hold one-off work, the second is the
// steady state). Counts the wake-ups of every thread (each time it went to
// sleep and was woken again: its voluntary context switches) and the CPU
// time spent.
//   idle_bench SETTLE_S SPAN_S GAME BARE
#include <dirent.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

extern char** environ;

namespace {

struct ThreadSample {
    std::string name;
    long long wakeups = 0;  // voluntary context switches
    long long cpuNs = 0;
};

using Sample = std::map<int, ThreadSample>;

Sample Take(pid_t pid) {
    Sample sample;
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR* dir = opendir(tasks.c_str());
    if (!dir) return sample;
    while (dirent* entry = readdir(dir)) {
        if (entry->d_name[0] == '.') continue;
        const std::string task = tasks + "/" + entry->d_name;
        ThreadSample t;
        std::ifstream(task + "/comm") >> t.name;
        std::ifstream(task + "/schedstat") >> t.cpuNs;
        std::ifstream status(task + "/status");
        for (std::string line; std::getline(status, line);)
            if (line.rfind("voluntary_ctxt_switches:", 0) == 0)
                t.wakeups = std::stoll(line.substr(line.find(':') + 1));
        sample[std::atoi(entry->d_name)] = t;
    }
    closedir(dir);
    return sample;
}

pid_t Start(const char* path) {
    pid_t pid = 0;
    char* argv[] = {const_cast<char*>(path), nullptr};
    if (posix_spawn(&pid, path, nullptr, nullptr, argv, environ) != 0) return 0;
    return pid;
}

void Report(const char* label, const Sample& before, const Sample& after, int span) {
    long long wakeups = 0, cpuNs = 0;
    std::ostringstream threads;
    for (const auto& [tid, t] : after) {
        const auto old = before.find(tid);
        const long long w = t.wakeups - (old == before.end() ? 0 : old->second.wakeups);
        const long long c = t.cpuNs - (old == before.end() ? 0 : old->second.cpuNs);
        wakeups += w;
        cpuNs += c;
        threads << "      " << t.name << (old == before.end() ? " (new)" : "") << ": " << w
                << " wake-ups, " << c / 1000 << " us\n";
    }
    std::printf("  %-16s %5lld wake-ups  %8.2f ms CPU over %d s, %zu threads\n%s", label,
                wakeups, cpuNs / 1e6, span, after.size(), threads.str().c_str());
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s SETTLE_S SPAN_S GAME BARE\n", argv[0]);
        return 2;
    }
    const int settle = std::atoi(argv[1]);
    const int span = std::atoi(argv[2]);
    const pid_t game = Start(argv[3]);
    const pid_t bare = Start(argv[4]);
    if (!game || !bare) {
        std::fprintf(stderr, "cannot start the programs\n");
        return 1;
    }
    sleep(unsigned(settle));
    Sample game0 = Take(game), bare0 = Take(bare);
    sleep(unsigned(span));
    Sample game1 = Take(game), bare1 = Take(bare);
    sleep(unsigned(span));
    Sample game2 = Take(game), bare2 = Take(bare);
    const bool bothRan = !game2.empty() && !bare2.empty();
    kill(game, SIGKILL);
    kill(bare, SIGKILL);
    waitpid(game, nullptr, 0);
    waitpid(bare, nullptr, 0);
    if (!bothRan) {
        std::fprintf(stderr, "a program ended early\n");
        return 1;
    }
    std::printf("At rest, %d s after the start, for %d s:\n", settle, span);
    Report("bare Qt window", bare0, bare1, span);
    Report("Tarnwick", game0, game1, span);
    std::printf("At rest, %d s after the start, for %d s:\n", settle + span, span);
    Report("bare Qt window", bare1, bare2, span);
    Report("Tarnwick", game1, game2, span);
    return 0;
}
