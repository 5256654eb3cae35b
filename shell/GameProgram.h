// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <functional>

namespace tarnwick {
class TMainForm;

// Creates every window once, in its fixed order, shows the main window and
// runs the message loop until it closes. `started` runs once the main
// window is shown (the benchmarks watch it from there).
int RunTarnwick(int argc, char* argv[], const std::function<void(TMainForm&)>& started = {});

}  // namespace tarnwick
