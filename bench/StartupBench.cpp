// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up as a player sees it: from the launch to the first frame the X
// server shows of the program's window (X DAMAGE on it), the CPU time spent
// until then, and the peak memory a moment (1.5 s) after it. The programs
// run as they are, nothing preloaded, one after the other in a shuffled
// order each round; the first named is the baseline every ratio is held
// against, round by round.
//   startup_bench ROUNDS LABEL=PROGRAM [LABEL=PROGRAM ...]
// A program that shows no frame within 20 s counts as a failed run.
#include <dirent.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <memory>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

constexpr long long FrameTimeoutNs = 20'000'000'000LL;
constexpr long long AfterFrameNs = 1'500'000'000LL;

struct Program {
    std::string label;
    std::string path;
    std::vector<double> ms, cpuMs, kib;  // one per round, -1 for a failed run
    int failures = 0;
};

long long NowNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

// CPU time of every thread of the process so far, in ms (nanosecond
// accounting, unlike the clock ticks of /proc/PID/stat).
double CpuMs(pid_t pid) {
    const std::string folder = "/proc/" + std::to_string(pid) + "/task";
    std::unique_ptr<DIR, int (*)(DIR*)> tasks(opendir(folder.c_str()), closedir);
    if (!tasks) return -1;
    double ns = 0;
    while (const dirent* task = readdir(tasks.get())) {
        if (task->d_name[0] == '.') continue;
        std::ifstream stat(folder + "/" + task->d_name + "/schedstat");
        double onCpu = 0;
        if (stat >> onCpu) ns += onCpu;
    }
    return ns / 1e6;
}

// The process's peak resident memory so far, in KiB.
double PeakKib(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::atof(line.c_str() + 6);
    return -1;
}

class Display {
public:
    Display() : connection_(xcb_connect(nullptr, nullptr)) {
        if (xcb_connection_has_error(connection_)) return;
        const xcb_query_extension_reply_t* damage = xcb_get_extension_data(connection_, &xcb_damage_id);
        if (!damage || !damage->present) return;
        damageEvent_ = damage->first_event + XCB_DAMAGE_NOTIFY;
        free(xcb_damage_query_version_reply(connection_, xcb_damage_query_version(connection_, 1, 1), nullptr));
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(connection_);
        ready_ = true;
    }
    ~Display() { xcb_disconnect(connection_); }

    bool Ready() const { return ready_; }

    // Launches the program and waits for the first damage of one of the
    // windows it mapped: the time of it, or -1.
    long long LaunchAndAwaitFrame(const std::string& path, pid_t& pid, long long& started) {
        std::vector<char*> argv{const_cast<char*>(path.c_str()), nullptr};
        started = NowNs();
        if (posix_spawn(&pid, path.c_str(), nullptr, nullptr, argv.data(), environ) != 0) return -1;
        std::set<xcb_window_t> watched, mapped;
        std::vector<xcb_damage_damage_t> damages;
        long long frame = -1;
        while (frame < 0 && NowNs() - started < FrameTimeoutNs) {
            xcb_generic_event_t* event = xcb_poll_for_event(connection_);
            if (!event) {
                if (xcb_connection_has_error(connection_)) break;
                usleep(200);
                continue;
            }
            const int type = event->response_type & 0x7f;
            if (type == XCB_CREATE_NOTIFY) {
                // Watched from its birth, so no paint can slip by unseen.
                const auto* created = reinterpret_cast<xcb_create_notify_event_t*>(event);
                const xcb_damage_damage_t damage = xcb_generate_id(connection_);
                xcb_damage_create(connection_, damage, created->window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
                xcb_flush(connection_);
                damages.push_back(damage);
                watched.insert(created->window);
            } else if (type == XCB_MAP_NOTIFY) {
                mapped.insert(reinterpret_cast<xcb_map_notify_event_t*>(event)->window);
            } else if (type == damageEvent_) {
                const auto* damaged = reinterpret_cast<xcb_damage_notify_event_t*>(event);
                if (watched.count(damaged->drawable) && mapped.count(damaged->drawable)) frame = NowNs();
            }
            free(event);
        }
        for (xcb_damage_damage_t damage : damages) xcb_damage_destroy(connection_, damage);
        xcb_flush(connection_);
        return frame;
    }

    // Events of windows gone with the last program.
    void Drain() {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) free(event);
    }

private:
    xcb_connection_t* connection_;
    xcb_window_t root_ = 0;
    int damageEvent_ = -1;
    bool ready_ = false;
};

void RunOnce(Display& display, Program& program) {
    pid_t pid = 0;
    long long started = 0;
    const long long frame = display.LaunchAndAwaitFrame(program.path, pid, started);
    double cpu = -1, kib = -1;
    if (frame >= 0) {
        cpu = CpuMs(pid);
        while (NowNs() - frame < AfterFrameNs) usleep(10000);
        kib = PeakKib(pid);
    }
    if (pid > 0) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    usleep(100000);
    display.Drain();
    const bool failed = frame < 0 || cpu < 0 || kib < 0;
    if (failed) ++program.failures;
    program.ms.push_back(failed ? -1 : (frame - started) / 1e6);
    program.cpuMs.push_back(failed ? -1 : cpu);
    program.kib.push_back(failed ? -1 : kib);
}

double Median(std::vector<double> v) {
    v.erase(std::remove_if(v.begin(), v.end(), [](double x) { return x < 0; }), v.end());
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// The program's figure over the baseline's in the same round, per round.
std::vector<double> Ratios(const std::vector<double>& mine, const std::vector<double>& base) {
    std::vector<double> ratios;
    for (size_t i = 0; i < mine.size() && i < base.size(); ++i)
        if (mine[i] > 0 && base[i] > 0) ratios.push_back(mine[i] / base[i]);
    return ratios;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s ROUNDS LABEL=PROGRAM [LABEL=PROGRAM ...]\n", argv[0]);
        return 2;
    }
    const int rounds = std::max(1, std::atoi(argv[1]));
    std::vector<Program> programs;
    for (int i = 2; i < argc; ++i) {
        const char* split = std::strchr(argv[i], '=');
        if (!split) return 2;
        programs.push_back({std::string(argv[i], static_cast<std::size_t>(split - argv[i])), split + 1, {}, {}, {}, 0});
    }
    Display display;
    if (!display.Ready()) {
        std::fprintf(stderr, "startup_bench: no X display with the DAMAGE extension\n");
        return 2;
    }

    std::mt19937 dice(std::random_device{}());
    std::vector<size_t> order(programs.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = i;
    for (int round = 0; round < rounds; ++round) {
        std::shuffle(order.begin(), order.end(), dice);
        for (size_t i : order) RunOnce(display, programs[i]);
    }

    const Program& base = programs.front();
    std::printf("Start-up to the first frame shown (X DAMAGE), %d rounds in shuffled order;\n"
                "CPU until that frame, peak memory 1.5 s after it; ratios are medians of the\n"
                "per-round ratios to %s:\n",
                rounds, base.label.c_str());
    std::printf("  %-22s %10s %10s %11s   %s\n", "program", "frame ms", "cpu ms", "peak KiB",
                "x frame  x cpu  x memory");
    int failures = 0;
    for (const Program& p : programs) {
        failures += p.failures;
        std::printf("  %-22s %10.1f %10.1f %11.0f   %7.2f %6.2f %9.2f", p.label.c_str(), Median(p.ms),
                    Median(p.cpuMs), Median(p.kib), Median(Ratios(p.ms, base.ms)),
                    Median(Ratios(p.cpuMs, base.cpuMs)), Median(Ratios(p.kib, base.kib)));
        if (p.failures) std::printf("  (%d failed)", p.failures);
        std::printf("\n");
    }
    return failures ? 1 : 0;
}
