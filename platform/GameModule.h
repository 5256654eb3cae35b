// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's own loadable modules: parts that pull in large libraries (the
// clip decoder, the sound system) are opened only when they are first
// needed, so that starting the game never waits for them. A module lives
// beside the program (the build folder) or in the installed module folder
// next to it; once opened it stays loaded until the process ends.
#include <QString>

namespace tarnwick {

// The address of `symbol` in the module called `name` ("tarnwick_clip"), or
// nullptr when the module is missing, will not load or lacks the symbol.
void* GameModuleSymbol(const char* name, const char* symbol);

// Tests point the search at a folder of their own; empty: where the
// program lives.
void SetGameModuleFolder(const QString& folder);

}  // namespace tarnwick
