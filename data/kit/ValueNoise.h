// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Smooth value noise: a random value at each point of a square lattice,
// blended between the points with the S-curve. One kind for each hash feed
// (Hash.h), each blending along x as its pictures were drawn.
#include <cstdint>

namespace kit {

// From spreadUnit, lattice points `cell` pixels apart; 0 <= n < 1.
double smoothSpreadNoise(double x, double y, int cell, int seed);

// From chainedUnit, lattice points 1 apart; 0..1.
double smoothChainedNoise(double x, double y, std::uint32_t seed);

// Octaves of smoothChainedNoise, each at 2.03 times the frequency and half
// the strength of the last; 0..1.
double fbm(double x, double y, std::uint32_t seed, int octaves);

}  // namespace kit
