// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RegularFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarnwick {

namespace {

class OpenFile {
public:
    explicit OpenFile(const std::string& path)
        // Non-blocking, so that opening a FIFO without a writer returns at once.
        : fd_(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)) {}
    ~OpenFile() {
        if (fd_ >= 0) ::close(fd_);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    int fd() const { return fd_; }

private:
    int fd_;
};

}  // namespace

bool IsRegularFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::optional<std::string> ReadRegularFile(const std::string& path, std::size_t limit) {
    const OpenFile file(path);
    if (file.fd() < 0) return std::nullopt;
    struct stat info {};
    if (::fstat(file.fd(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
    if (info.st_size < 0 || static_cast<unsigned long long>(info.st_size) > limit) return std::nullopt;

    // The file may grow while it is read: one byte beyond the limit tells.
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(info.st_size));
    char chunk[4096];
    while (bytes.size() <= limit) {
        const std::size_t want = std::min(sizeof chunk, limit + 1 - bytes.size());
        const ssize_t n = ::read(file.fd(), chunk, want);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return std::nullopt;
        if (n == 0) break;
        bytes.append(chunk, static_cast<std::size_t>(n));
    }
    if (bytes.size() > limit) return std::nullopt;
    return bytes;
}

bool ReplaceRegularFile(const std::string& path, const std::string& bytes) {
    const std::string temp = path + ".tmp";
    // A stale temporary file, or a FIFO someone put there, is cleared first:
    // the new one is made afresh and never opened through a link.
    std::remove(temp.c_str());
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    std::size_t put = 0;
    while (put < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + put, bytes.size() - put);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        put += static_cast<std::size_t>(n);
    }
    // On the disk before it takes the old file's place: a power cut leaves
    // the one file or the other, never one the rename saw before its bytes.
    const bool synced = put == bytes.size() && ::fdatasync(fd) == 0;
    const bool written = ::close(fd) == 0 && synced;
    if (!written || std::rename(temp.c_str(), path.c_str()) != 0) {
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

}  // namespace tarnwick
