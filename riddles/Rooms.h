// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The twelve riddle rooms, made in one place.
#include <array>

#include "riddles/frame/RiddleWin.h"

namespace tarnwick {

// The order in which the program makes the rooms' windows.
constexpr std::array<int, 12> RiddleMakingOrder{10, 12, 5, 11, 2, 7, 6, 9, 8, 4, 3, 1};

// A new window of room 1..12 (TRiddle1Win ... TRiddle12Win), its rules
// and its view; null for a room number outside 1..12.
TRiddleWin* MakeRiddleWindow(Stage& stage, int room);

}  // namespace tarnwick
