// SPDX-License-Identifier: GPL-3.0-or-later
#include "Hash.h"

namespace kit {

namespace {

// Spreads every input bit over every output bit.
std::uint32_t avalanche(std::uint32_t h) {
    h ^= h >> 15;
    h *= 0x2c1b3c6du;
    h ^= h >> 12;
    h *= 0x297a2d39u;
    h ^= h >> 15;
    return h;
}

std::uint32_t seedThenX(std::uint32_t seed, int x) {
    return seed * 0x9e3779b1u ^ static_cast<std::uint32_t>(x) * 0x85ebca77u;
}

std::uint32_t chainedHash(int x, int y, std::uint32_t seed) {
    std::uint32_t h = seedThenX(seed, x);
    h = (h << 13) | (h >> 19);
    h ^= static_cast<std::uint32_t>(y) * 0xc2b2ae3du;
    return avalanche(h);
}

}  // namespace

std::uint32_t spreadHash(int x, int y, int seed) {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 0x8da6b343u;
    h ^= static_cast<std::uint32_t>(y) * 0xd8163841u;
    h ^= static_cast<std::uint32_t>(seed) * 0xcb1ab31fu;
    return avalanche(h);
}

double spreadUnit(int x, int y, int seed) { return (spreadHash(x, y, seed) & 0xffffffu) / double(0x1000000); }

double chainedUnit(int x, int y, std::uint32_t seed) {
    return (chainedHash(x, y, seed) & 0xffffffu) / double(0xffffff);
}

double pairUnit(int a, int b) {
    return static_cast<double>(avalanche(seedThenX(static_cast<std::uint32_t>(a), b)) % 100000u) / 100000.0;
}

}  // namespace kit
