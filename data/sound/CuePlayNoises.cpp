// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>

#include "Cues.h"

namespace tarnwick::sound {

namespace {

// A struck piece of wood or stone: a few ringing modes at once.
struct Mode {
    double freq;
    double tau;
    double gain;
};
Signal strike(const std::vector<Mode>& modes, double seconds) {
    Signal s = silence(seconds);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = timeAt(i);
        for (const Mode& m : modes) s[i] += m.gain * std::sin(2 * Pi * m.freq * t) * std::exp(-t / m.tau);
    }
    fadeEdges(s, 0.0003, 0.01);  // let the ringing die away instead of stopping dead
    return s;
}

}  // namespace

Signal stoneShift() {
    const double len = 0.36;
    Signal s = silence(len);
    kit::NoiseStream n(11);
    kit::NoiseStream rough(12);
    Biquad body = Biquad::bandPass(380, 1.3);
    Biquad low = Biquad::lowPass(150, 0.8);
    Biquad grit = Biquad::bandPass(1700, 2.0);
    Biquad flutter = Biquad::lowPass(30, 0.7);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = timeAt(i);
        const double x = n.next();
        // Stone sticks and slips: an uneven judder of about 24 per second.
        const double judder = 0.65 + 0.35 * std::sin(2 * Pi * 24 * t + 1.7 * std::sin(2 * Pi * 5 * t));
        const double g = std::max(0.15, 1.0 + 6.0 * flutter.process(rough.next())) * judder;
        s[i] = 0.9 * g * body.process(x) + 1.4 * low.process(x) + 0.22 * g * g * grit.process(x);
    }
    applyEnvelope(s, {{0, 0}, {0.035, 1}, {0.2, 0.95}, {0.3, 0.7}, {len, 0}});
    fadeEdges(s, 0.004, 0.025);
    return s;
}

Signal footstep() {
    const double len = 0.12;
    Signal s = sineGlide({{0, 170}, {0.04, 95}, {len, 80}}, len);
    applyDecay(s, 0.022);
    Biquad heel = Biquad::bandPass(700, 1.1);
    mixInto(s, filteredBurst(21, len, heel, 0.012), 0, 0.8);
    Biquad scuff = Biquad::bandPass(2600, 0.9);
    Signal sole = filteredBurst(22, 0.08, scuff, 0.018);
    applyEnvelope(sole, {{0, 0}, {0.006, 1}});
    mixInto(s, sole, 0.012, 0.12);
    fadeEdges(s, 0.002, 0.03);
    return s;
}

Signal dullThud() {
    const double len = 0.2;
    Signal s = sineGlide({{0, 120}, {0.05, 78}, {len, 70}}, len);
    applyDecay(s, 0.05);
    Biquad box = Biquad::bandPass(240, 2.2);
    mixInto(s, filteredBurst(81, len, box, 0.035), 0, 2.2);
    Biquad felt = Biquad::lowPass(600, 0.7);
    mixInto(s, filteredBurst(82, 0.05, felt, 0.008), 0, 0.7);
    Biquad dull = Biquad::lowPass(900, 0.7);
    filter(s, dull);
    fadeEdges(s, 0.002, 0.05);
    return s;
}

Signal softTick() {
    const double len = 0.06;
    Signal s = strike({{2350, 0.006, 0.7}, {1230, 0.011, 0.55}, {3700, 0.003, 0.25}}, len);
    Biquad air = Biquad::highPass(3000, 0.7);
    mixInto(s, filteredBurst(91, 0.01, air, 0.0015), 0, 0.25);
    fadeEdges(s, 0.0008, 0.02);
    return s;
}

Signal woodenClack() {
    const double len = 0.16;
    Signal s = strike({{830, 0.032, 1.0}, {2180, 0.016, 0.55}, {3420, 0.008, 0.3}, {1270, 0.02, 0.3}}, 0.1);
    Biquad knock = Biquad::bandPass(1500, 0.9);
    mixInto(s, filteredBurst(101, 0.01, knock, 0.0015), 0, 0.6);
    // The piece taps the door frame a second time, lighter and a shade higher.
    mixInto(s, strike({{905, 0.025, 1.0}, {2330, 0.012, 0.5}, {3600, 0.006, 0.25}}, 0.1), 0.048, 0.5);
    s.resize(static_cast<std::size_t>(samplesFor(len)), 0.0);
    fadeEdges(s, 0.0008, 0.03);
    return s;
}

Signal gemExplosion() {
    const double len = 0.26;
    Signal s = silence(len);
    kit::NoiseStream n(111);
    Biquad sweep;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = timeAt(i);
        if (i % 16 == 0) sweep.setLowPass(250 + 5200 * std::exp(-t / 0.045), 0.9);
        s[i] = sweep.process(n.next());
    }
    applyDecay(s, 0.06);
    Signal boom = sineGlide({{0, 150}, {0.08, 62}, {len, 48}}, len);
    applyDecay(boom, 0.07);
    mixInto(s, boom, 0, 0.9);
    // Splinters of crystal: a few bright pings in the first instants.
    const double pings[][3] = {{0.004, 2960, 0.18}, {0.019, 3520, 0.14}, {0.037, 2490, 0.12}, {0.058, 4180, 0.09}};
    for (const auto& p : pings) mixInto(s, strike({{p[1], 0.03, 1.0}}, 0.12), p[0], p[2]);
    applyEnvelope(s, {{0, 0}, {0.002, 1}});
    fadeEdges(s, 0.001, 0.04);
    return s;
}

}  // namespace tarnwick::sound
