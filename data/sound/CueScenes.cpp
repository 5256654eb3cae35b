// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>

#include "Cues.h"

namespace tarnwick::sound {

Signal creakingDoor() {
    // The creak is the hinge sticking and slipping: a train of tiny knocks
    // whose rate wanders, ringing in the wood of the door.
    const double len = 1.36;
    const double creakEnd = 1.02;
    Signal pulses = silence(len);
    kit::NoiseStream jitter(31);
    const std::vector<Breakpoint> rate{{0, 38}, {0.25, 72}, {0.45, 58}, {0.7, 92}, {0.9, 66}, {creakEnd, 50}};
    double next = 0.01;
    while (next < creakEnd) {
        const std::size_t i = static_cast<std::size_t>(samplesFor(next));
        if (i < pulses.size()) pulses[i] = 0.75 + 0.25 * jitter.next();
        next += (1.0 + 0.09 * jitter.next()) / envelopeAt(rate, next);
    }
    applyEnvelope(pulses, {{0, 0.3}, {0.08, 0.85}, {0.4, 1}, {0.62, 0.65}, {0.82, 1}, {0.97, 0.4}, {creakEnd, 0}});
    const double modes[][3] = {{540, 11, 1.0}, {1170, 12, 0.7}, {1880, 14, 0.45}, {2950, 16, 0.2}};
    Signal s = silence(len);
    for (const auto& m : modes) {
        Biquad wood = Biquad::bandPass(m[0], m[1]);
        for (std::size_t i = 0; i < s.size(); ++i) s[i] += m[2] * wood.process(pulses[i]);
    }
    for (double& x : s) x *= 45.0;
    // The weight of the door: a low groan under the creak.
    Biquad groan = Biquad::lowPass(160, 0.9);
    Signal weight = filteredNoise(32, creakEnd, groan);
    applyEnvelope(weight, {{0, 0}, {0.15, 1}, {0.9, 0.8}, {creakEnd, 0}});
    mixInto(s, weight, 0, 0.5);
    // It swings against the wall with a heavy wooden knock.
    Signal knock = sineGlide({{0, 105}, {0.06, 62}, {0.34, 55}}, 0.34);
    applyDecay(knock, 0.075);
    applyEnvelope(knock, {{0, 0}, {0.003, 1}});
    mixInto(s, knock, creakEnd, 0.4);
    Biquad plank = Biquad::bandPass(320, 2.5);
    mixInto(s, filteredBurst(33, 0.3, plank, 0.045), creakEnd, 1.0);
    s.resize(static_cast<std::size_t>(samplesFor(len)), 0.0);
    fadeEdges(s, 0.01, 0.08);
    return s;
}

Signal eerieWhoosh() {
    // Air rushing past in a swelling, sweeping band, with a thin ghostly
    // whistle rising through it.
    const double len = 1.3;
    Signal s = silence(len);
    kit::NoiseStream n(71);
    Biquad sweep;
    Biquad upper;
    const std::vector<Breakpoint> centre{{0, 260}, {0.45, 2400}, {0.85, 1000}, {len, 420}};
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = timeAt(i);
        if (i % 16 == 0) {
            const double c = envelopeAt(centre, t);
            sweep.setBandPass(c, 2.8);
            upper.setBandPass(c * 1.9, 4.5);
        }
        const double x = n.next();
        s[i] = sweep.process(x) + 0.45 * upper.process(x);
    }
    applyEnvelope(s, {{0, 0}, {0.35, 1}, {0.75, 0.85}, {len, 0}});
    for (const double ratio : {1.0, 1.4142}) {
        ToneShape ghost;
        ghost.freq = 392.0 * ratio;
        ghost.seconds = len;
        ghost.brightness = {{0, 0.6}, {0.6, 1.3}, {len, 0.6}};
        ghost.pitch = {{0, 1.0}, {0.9, 1.9}, {len, 2.05}};
        ghost.vibratoRate = 7.0;
        ghost.vibratoDepth = 0.018;
        ghost.oddOnly = true;
        Signal tone = harmonicTone(ghost);
        applyEnvelope(tone, {{0, 0}, {0.3, 0.25}, {0.7, 1}, {1.0, 0.6}, {len, 0}});
        mixInto(s, tone, 0, 0.09);
    }
    fadeEdges(s, 0.02, 0.1);
    return s;
}

}  // namespace tarnwick::sound
