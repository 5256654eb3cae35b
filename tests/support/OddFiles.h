// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a careless or hostile user may leave where the game expects a file,
// and a watchdog for the reads that must not hang on them.
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <mutex>
#include <string>
#include <sys/stat.h>
#include <thread>

namespace tarnwick::testing {

namespace fs = std::filesystem;

// Ends the whole test run when a read does not come back in time: a read
// that hangs would otherwise hang the test suite with it.
class Watchdog {
public:
    Watchdog(std::string what, std::chrono::seconds limit)
        : thread_([this, what = std::move(what), limit] {
              std::unique_lock lock(mutex_);
              if (!doneSignal_.wait_for(lock, limit, [this] { return done_; })) {
                  std::fprintf(stderr, "FAIL: %s did not return within %lld s\n", what.c_str(),
                               static_cast<long long>(limit.count()));
                  std::fflush(stderr);
                  std::_Exit(1);
              }
          }) {}
    ~Watchdog() {
        {
            const std::lock_guard lock(mutex_);
            done_ = true;
        }
        doneSignal_.notify_one();
        thread_.join();
    }
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

private:
    std::mutex mutex_;
    std::condition_variable doneSignal_;
    bool done_ = false;
    std::thread thread_;
};

// Puts something at a path.
using Maker = std::function<void(const fs::path&)>;

inline void WriteFile(const fs::path& at, const std::string& bytes) {
    std::ofstream out(at, std::ios::binary);
    out << bytes;
}
inline void Fifo(const fs::path& at) { ::mkfifo(at.c_str(), 0600); }
inline Maker LinkTo(std::string target) {
    return [target](const fs::path& at) { fs::create_symlink(target, at); };
}
inline void Folder(const fs::path& at) { fs::create_directories(at); }
inline void LinkLoop(const fs::path& at) {
    fs::create_symlink(at.string() + ".b", at);
    fs::create_symlink(at, at.string() + ".b");
}
// A file of the given size that starts with `start`, the rest holes, so
// that it costs no disk.
inline Maker Sparse(std::uintmax_t size, std::string start = "") {
    return [size, start](const fs::path& at) {
        WriteFile(at, start);
        fs::resize_file(at, size);
    };
}

}  // namespace tarnwick::testing
