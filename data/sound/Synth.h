// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small building blocks for the game's sound cues: buffers of samples in
// -1..1, filters, envelopes, filtered noise and mixing.
#include <cstdint>
#include <vector>

namespace tarnwick::sound {

constexpr int SampleRate = 22050;
constexpr double Pi = 3.14159265358979323846;

using Signal = std::vector<double>;

int samplesFor(double seconds);
double timeAt(std::size_t sample);  // seconds from the start
Signal silence(double seconds);

// Second-order filter after the well-known audio cookbook formulas, made
// ready by one of the static makers. The set* functions may be called while
// running to sweep the filter.
class Biquad {
public:
    static Biquad lowPass(double freq, double q);
    static Biquad highPass(double freq, double q);
    static Biquad bandPass(double freq, double q);  // 0 dB at the centre
    static Biquad highShelf(double freq, double q, double gainDb);

    void setLowPass(double freq, double q);
    void setHighPass(double freq, double q);
    void setBandPass(double freq, double q);  // 0 dB at the centre
    void setHighShelf(double freq, double q, double gainDb);
    double process(double x);

private:
    void setNormalised(double b0, double b1, double b2, double a0, double a1, double a2);
    double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// Gain over time through straight segments between (seconds, gain) points;
// before the first point and after the last the end values hold.
struct Breakpoint {
    double time;
    double gain;
};
double envelopeAt(const std::vector<Breakpoint>& points, double t);
void applyEnvelope(Signal& s, const std::vector<Breakpoint>& points);

// exp(-t / tau) from the start of the signal.
void applyDecay(Signal& s, double tau);

// Raised-cosine fades at both ends, so no cue starts or stops with a click.
void fadeEdges(Signal& s, double fadeIn, double fadeOut);

// Adds src into dst starting at the given second; dst grows as needed.
void mixInto(Signal& dst, const Signal& src, double at, double gain = 1.0);

void filter(Signal& s, Biquad f);

// The noise stream of `seed` (data/kit/NoiseStream.h) through the filter f;
// the burst dies away as exp(-t / tau).
Signal filteredNoise(std::uint32_t seed, double seconds, Biquad f);
Signal filteredBurst(std::uint32_t seed, double seconds, Biquad f, double tau);

// A harmonic tone whose upper partials fall off with `brightness`
// (roughly the number of strong partials); brightness and frequency may
// change over the note through the given curves (multipliers of freq).
struct ToneShape {
    double freq = 440;
    double seconds = 0.5;
    std::vector<Breakpoint> brightness{{0, 4}};
    std::vector<Breakpoint> pitch{{0, 1}};
    double vibratoRate = 0;
    double vibratoDepth = 0;  // fraction of the frequency
    bool oddOnly = false;     // hollow, clarinet-like colour
};
Signal harmonicTone(const ToneShape& shape);

// A sine whose frequency glides through the given curve (in Hz).
Signal sineGlide(const std::vector<Breakpoint>& freqHz, double seconds);

double peakOf(const Signal& s);

}  // namespace tarnwick::sound
