// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Repeatable hashes of lattice points: the same number for the same point on
// every run and every machine, so each build paints the same bytes.
// All of them end in one avalanche; what differs is how a point is fed in,
// and each picture keeps the feed it was first drawn with.
#include <cstdint>

namespace kit {

// x, y and the seed each scaled by an odd constant of its own: the scene
// pictures and the labyrinth.
std::uint32_t spreadHash(int x, int y, int seed);
double spreadUnit(int x, int y, int seed);  // 0 <= u < 1

// The seed, then x, turned over, then y: the riddle and pieces pictures.
double chainedUnit(int x, int y, std::uint32_t seed);  // 0 <= u <= 1

// Two numbers, without the turn: the story clip.
double pairUnit(int a, int b);  // 0 <= u < 1, in steps of 1/100000

}  // namespace kit
