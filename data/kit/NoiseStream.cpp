// SPDX-License-Identifier: GPL-3.0-or-later
#include "NoiseStream.h"

namespace kit {

double NoiseStream::next() {
    // xorshift32: tiny, fast and identical on every machine.
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<double>(state_) / 2147483647.5 - 1.0;
}

}  // namespace kit
