// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>

#include "Cues.h"

namespace tarnwick::sound {

namespace {

// A brass-like note: the tone brightens as the player blows into it and
// mellows again; soft attack and release.
Signal brassNote(double freq, double seconds, double attack, double release, double brightPeak,
                 double vibratoDepth = 0) {
    ToneShape shape;
    shape.freq = freq;
    shape.seconds = seconds;
    shape.brightness = {{0, 1.2}, {attack * 2.5, brightPeak}, {seconds, brightPeak * 0.6}};
    shape.vibratoRate = vibratoDepth > 0 ? 5.5 : 0;
    shape.vibratoDepth = vibratoDepth;
    Signal s = harmonicTone(shape);
    applyEnvelope(s, {{0, 0}, {attack, 1}, {attack + 0.06, 0.85}, {seconds - release, 0.75}, {seconds, 0}});
    return s;
}

// Two slightly detuned copies make one voice sound like a small section.
Signal ensembleNote(double freq, double seconds, double attack, double release, double brightPeak) {
    Signal s = brassNote(freq * 0.9975, seconds, attack, release, brightPeak);
    mixInto(s, brassNote(freq * 1.0025, seconds, attack * 1.2, release, brightPeak * 0.9), 0);
    return s;
}

}  // namespace

Signal mockingFall() {
    // "Wah, wah, wah, waaah": four trombone-like notes sliding down by
    // semitones, the last one drooping with a wobble.
    const double notes[] = {196.0, 185.0, 174.6, 164.8};
    Signal s;
    for (int i = 0; i < 3; ++i) {
        ToneShape shape;
        shape.freq = notes[i];
        shape.seconds = 0.23;
        shape.brightness = {{0, 1.0}, {0.07, 6.5}, {0.23, 2.0}};
        shape.pitch = {{0, 1.0}, {0.15, 1.0}, {0.23, 0.985}};
        Signal note = harmonicTone(shape);
        applyEnvelope(note, {{0, 0}, {0.025, 1}, {0.18, 0.8}, {0.23, 0}});
        mixInto(s, note, 0.24 * i);
    }
    ToneShape last;
    last.freq = notes[3];
    last.seconds = 0.64;
    last.brightness = {{0, 1.0}, {0.09, 7.0}, {0.64, 1.5}};
    last.pitch = {{0, 1.0}, {0.3, 1.0}, {0.64, 0.93}};
    last.vibratoRate = 6.0;
    last.vibratoDepth = 0.022;
    Signal tail = harmonicTone(last);
    applyEnvelope(tail, {{0, 0}, {0.03, 1}, {0.35, 0.85}, {0.64, 0}});
    mixInto(s, tail, 0.72);
    Biquad mellow = Biquad::lowPass(2600, 0.7);
    filter(s, mellow);
    fadeEdges(s, 0.003, 0.05);
    return s;
}

Signal brightFanfare() {
    // C, E, G up to the high C, which rings on over E and G.
    const double run[] = {523.25, 659.26, 783.99};
    Signal s;
    for (int i = 0; i < 3; ++i) mixInto(s, brassNote(run[i], 0.12, 0.012, 0.04, 6.0), 0.09 * i, 0.8);
    mixInto(s, brassNote(1046.5, 0.58, 0.014, 0.25, 5.0, 0.006), 0.27, 0.9);
    mixInto(s, brassNote(659.26, 0.52, 0.02, 0.25, 3.5), 0.28, 0.35);
    mixInto(s, brassNote(783.99, 0.52, 0.02, 0.25, 3.5), 0.28, 0.35);
    // A little bell glint on top of the last note.
    Signal glint = sineGlide({{0, 2093.0}}, 0.4);
    applyDecay(glint, 0.1);
    applyEnvelope(glint, {{0, 0}, {0.004, 1}});
    mixInto(s, glint, 0.27, 0.12);
    fadeEdges(s, 0.002, 0.06);
    return s;
}

Signal triumphChord() {
    // A short G major pickup, then a full C major chord over a drum roll's
    // last stroke.
    Signal s;
    const double pickup[] = {196.0, 246.94, 293.66, 392.0};
    for (double f : pickup) mixInto(s, ensembleNote(f, 0.2, 0.015, 0.05, 5.0), 0, 0.5);
    const double chord[] = {130.81, 261.63, 329.63, 392.0, 523.25};
    const double weight[] = {0.6, 0.55, 0.45, 0.45, 0.4};
    for (int i = 0; i < 5; ++i) mixInto(s, ensembleNote(chord[i], 1.18, 0.025, 0.4, 6.0), 0.19, weight[i]);
    Signal drum = sineGlide({{0, 110}, {0.05, 98}, {0.6, 96}}, 0.6);
    applyDecay(drum, 0.16);
    applyEnvelope(drum, {{0, 0}, {0.003, 1}});
    mixInto(s, drum, 0.19, 0.9);
    Biquad thump = Biquad::lowPass(700, 0.8);
    mixInto(s, filteredBurst(61, 0.08, thump, 0.02), 0.19, 0.6);
    fadeEdges(s, 0.003, 0.08);
    return s;
}

}  // namespace tarnwick::sound
