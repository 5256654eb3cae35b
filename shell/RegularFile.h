#pragma once
// Reading a small file whole, safely: only a regular file is read (a FIFO,
// a device, a directory or a dangling or looping link is no file to us and
// never waited on), and never more than `limit` bytes of it.
#include <cstddef>
#include <optional>
#include <string>

namespace tarnwick {

// The file's bytes; nothing when it cannot be opened, is not a regular
// file, or holds more than `limit` bytes.
std::optional<std::string> ReadRegularFile(const std::string& path, std::size_t limit);

}  // namespace tarnwick
