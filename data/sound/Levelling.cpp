// SPDX-License-Identifier: GPL-3.0-or-later
#include "Levelling.h"

#include <algorithm>
#include <cmath>

namespace tarnwick::sound {

double loudnessDb(const Signal& s) {
    Biquad shelf = Biquad::highShelf(1680, 0.71, 4.0);
    Biquad rumbleCut = Biquad::highPass(60, 0.5);
    std::vector<double> power(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double y = rumbleCut.process(shelf.process(s[i]));
        power[i] = y * y;
    }
    const std::size_t window = static_cast<std::size_t>(samplesFor(0.1));
    const std::size_t hop = static_cast<std::size_t>(samplesFor(0.01));
    double loudest = 1e-12;
    for (std::size_t start = 0; start == 0 || start + window <= power.size(); start += hop) {
        double sum = 0;
        for (std::size_t i = start; i < std::min(power.size(), start + window); ++i) sum += power[i];
        loudest = std::max(loudest, sum / static_cast<double>(window));
        if (start + window >= power.size()) break;
    }
    return 10 * std::log10(loudest);
}

void levelTo(Signal& s, double targetDb, double peakCeiling) {
    const double peak = peakOf(s);
    if (peak <= 0) return;
    double gain = std::pow(10.0, (targetDb - loudnessDb(s)) / 20);
    gain = std::min(gain, peakCeiling / peak);
    for (double& x : s) x *= gain;
}

}  // namespace tarnwick::sound
