// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where saved games go when no saved game names a folder yet.
#include <string>

namespace tarnwick {

// The folder of the data files (programDir) when it can be written (the build folder, a
// game unpacked in the user's home), else the user's own data folder for
// the game: an installed game saves where the user lives. With a trailing
// '/'. The user's folder is made when `make` is set.
std::string SaveFolder(const std::string& programDir, bool make = false);

}  // namespace tarnwick
