// SPDX-License-Identifier: GPL-3.0-or-later
// Tarnwick: the program entry.
#include "shell/GameProgram.h"

int main(int argc, char* argv[]) { return tarnwick::RunTarnwick(argc, argv); }
