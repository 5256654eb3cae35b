// Start-up to the first painted window, and the peak memory until then:
// the real game binary against the bare Qt window, each run as it is with
// the first-paint probe preloaded, in alternating order.
//   startup_bench PROBE ROUNDS GAME BARE [GAME_WIDGET]
// GAME_WIDGET names the game's widget whose first paint counts (the
// labyrinth, "box", unless told otherwise; see FirstPaintProbe.cpp).
// Each round runs both programs once, in a random order. Prints the
// median, lowest and highest wall time of each, the median CPU time (less
// disturbed than the wall time when other work shares the machine), the
// median peak memory, and the ratios of the medians.
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <random>
#include <string>
#include <utility>
#include <vector>

extern char** environ;

namespace {

struct Program {
    Program(const char* label, std::string path, std::string widget)
        : label(label), path(std::move(path)), widget(std::move(widget)) {}

    const char* label;
    std::string path;
    std::string widget;  // the widget whose first paint ends the run
    std::vector<double> ms;
    std::vector<double> cpuMs;
    std::vector<double> kib;
    int failures = 0;
};

long long NowNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

// One run: false when the program did not report its first paint in time.
bool RunOnce(Program& program, const std::string& probe) {
    int fds[2];
    if (pipe(fds) != 0) return false;
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) env.emplace_back(*e);
    env.push_back("LD_PRELOAD=" + probe);
    env.push_back("FIRST_PAINT_WIDGET=" + program.widget);
    env.push_back("FIRST_PAINT_FD=" + std::to_string(fds[1]));
    std::vector<char*> envp;
    for (auto& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string path = program.path;
    char* argv[] = {path.data(), nullptr};

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    pid_t pid = 0;
    const long long started = NowNs();
    const int spawned = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (spawned != 0) {
        close(fds[0]);
        return false;
    }

    std::string line;
    pollfd reader{fds[0], POLLIN, 0};
    char buffer[64];
    while (line.find('\n') == std::string::npos && poll(&reader, 1, 20000) > 0) {
        const ssize_t n = read(fds[0], buffer, sizeof buffer);
        if (n <= 0) break;
        line.append(buffer, size_t(n));
    }
    close(fds[0]);
    if (line.find('\n') == std::string::npos) kill(pid, SIGKILL);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (line.find('\n') == std::string::npos) return false;
    program.ms.push_back((std::stoll(line) - started) / 1e6);
    program.kib.push_back(double(usage.ru_maxrss));
    const auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    program.cpuMs.push_back(ms(usage.ru_utime) + ms(usage.ru_stime));
    return true;
}

double Median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

void Print(const Program& p) {
    const auto [lo, hi] = std::minmax_element(p.ms.begin(), p.ms.end());
    std::printf("  %-16s wall %6.1f ms (%5.1f .. %5.1f)  cpu %6.1f ms  peak %6.0f KiB  %zu runs",
                p.label, Median(p.ms), p.ms.empty() ? 0 : *lo, p.ms.empty() ? 0 : *hi,
                Median(p.cpuMs), Median(p.kib), p.ms.size());
    if (p.failures) std::printf(", %d failed", p.failures);
    std::printf("\n");
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 5 && argc != 6) {
        std::fprintf(stderr, "usage: %s PROBE ROUNDS GAME BARE [GAME_WIDGET]\n", argv[0]);
        return 2;
    }
    const std::string probe = argv[1];
    const int rounds = std::max(1, std::atoi(argv[2]));
    Program game("Tarnwick", argv[3], argc == 6 ? argv[5] : "box");
    Program bare("bare Qt window", argv[4], "window");

    std::mt19937 dice(std::random_device{}());
    for (int round = 0; round < rounds; ++round) {
        Program* order[2] = {&game, &bare};
        if (dice() % 2) std::swap(order[0], order[1]);
        for (Program* p : order)
            if (!RunOnce(*p, probe)) ++p->failures;
    }
    std::printf("Start-up to the first painted window, %d rounds in random order:\n", rounds);
    Print(bare);
    Print(game);
    const double bareMs = Median(bare.ms), bareCpu = Median(bare.cpuMs), bareKib = Median(bare.kib);
    if (bareMs > 0 && bareCpu > 0 && bareKib > 0)
        std::printf("  ratio: wall %.2f, cpu %.2f, peak memory %.2f (bound 1.5 each)\n",
                    Median(game.ms) / bareMs, Median(game.cpuMs) / bareCpu,
                    Median(game.kib) / bareKib);
    return game.failures || bare.failures ? 1 : 0;
}
