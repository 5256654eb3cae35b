// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Counting the bits of a mask in place: std::popcount is a library call on
// the processors the game must still run on, and the rooms' searches count
// a lot.
#include <cstdint>

namespace tarnwick {

constexpr int CountBits(std::uint64_t x) {
    x = x - ((x >> 1) & 0x5555555555555555ull);
    x = (x & 0x3333333333333333ull) + ((x >> 2) & 0x3333333333333333ull);
    x = (x + (x >> 4)) & 0x0f0f0f0f0f0f0f0full;
    return static_cast<int>((x * 0x0101010101010101ull) >> 56);
}

}  // namespace tarnwick
