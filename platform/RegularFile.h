// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small files read and written whole, safely. Only a regular file is read
// (a FIFO, a device, a directory or a dangling or looping link is no file
// to us and never waited on), and never more than `limit` bytes of it. A
// file is written beside its place and then renamed over it, so that a
// failed or cut-off write never leaves a torn file behind.
#include <cstddef>
#include <optional>
#include <string>

namespace tarnwick {

// Whether the path names a regular file (following links), without opening it.
bool IsRegularFile(const std::string& path);

// The file's bytes; nothing when it cannot be opened, is not a regular
// file, or holds more than `limit` bytes.
std::optional<std::string> ReadRegularFile(const std::string& path, std::size_t limit);

// Puts `bytes` in place of the file at `path` (path + ".tmp" serves on the
// way; whatever lay there before is cleared away first). Returns success;
// on failure the old file is untouched and no temporary file is left.
bool ReplaceRegularFile(const std::string& path, const std::string& bytes);

}  // namespace tarnwick
