// SPDX-License-Identifier: GPL-3.0-or-later
#include "Synth.h"

#include "data/kit/NoiseStream.h"

#include <algorithm>
#include <cmath>

namespace tarnwick::sound {

int samplesFor(double seconds) {
    return static_cast<int>(std::lround(seconds * SampleRate));
}

double timeAt(std::size_t sample) { return static_cast<double>(sample) / SampleRate; }

Signal silence(double seconds) {
    return Signal(static_cast<std::size_t>(samplesFor(seconds)), 0.0);
}

Biquad Biquad::lowPass(double freq, double q) {
    Biquad f;
    f.setLowPass(freq, q);
    return f;
}

Biquad Biquad::highPass(double freq, double q) {
    Biquad f;
    f.setHighPass(freq, q);
    return f;
}

Biquad Biquad::bandPass(double freq, double q) {
    Biquad f;
    f.setBandPass(freq, q);
    return f;
}

Biquad Biquad::highShelf(double freq, double q, double gainDb) {
    Biquad f;
    f.setHighShelf(freq, q, gainDb);
    return f;
}

void Biquad::setNormalised(double b0, double b1, double b2, double a0, double a1, double a2) {
    b0_ = b0 / a0;
    b1_ = b1 / a0;
    b2_ = b2 / a0;
    a1_ = a1 / a0;
    a2_ = a2 / a0;
}

void Biquad::setLowPass(double freq, double q) {
    const double w = 2 * Pi * freq / SampleRate;
    const double alpha = std::sin(w) / (2 * q);
    const double c = std::cos(w);
    setNormalised((1 - c) / 2, 1 - c, (1 - c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

void Biquad::setHighPass(double freq, double q) {
    const double w = 2 * Pi * freq / SampleRate;
    const double alpha = std::sin(w) / (2 * q);
    const double c = std::cos(w);
    setNormalised((1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

void Biquad::setBandPass(double freq, double q) {
    const double w = 2 * Pi * freq / SampleRate;
    const double alpha = std::sin(w) / (2 * q);
    const double c = std::cos(w);
    setNormalised(alpha, 0, -alpha, 1 + alpha, -2 * c, 1 - alpha);
}

void Biquad::setHighShelf(double freq, double q, double gainDb) {
    const double a = std::pow(10.0, gainDb / 40);
    const double w = 2 * Pi * freq / SampleRate;
    const double alpha = std::sin(w) / (2 * q);
    const double c = std::cos(w);
    const double r = 2 * std::sqrt(a) * alpha;
    setNormalised(a * ((a + 1) + (a - 1) * c + r), -2 * a * ((a - 1) + (a + 1) * c),
                  a * ((a + 1) + (a - 1) * c - r), (a + 1) - (a - 1) * c + r,
                  2 * ((a - 1) - (a + 1) * c), (a + 1) - (a - 1) * c - r);
}

double Biquad::process(double x) {
    const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    return y;
}

double envelopeAt(const std::vector<Breakpoint>& points, double t) {
    if (points.empty()) return 1.0;
    if (t <= points.front().time) return points.front().gain;
    for (std::size_t i = 1; i < points.size(); ++i) {
        const Breakpoint& a = points[i - 1];
        const Breakpoint& b = points[i];
        if (t <= b.time) {
            const double span = b.time - a.time;
            if (span <= 0) return b.gain;
            return a.gain + (b.gain - a.gain) * (t - a.time) / span;
        }
    }
    return points.back().gain;
}

void applyEnvelope(Signal& s, const std::vector<Breakpoint>& points) {
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] *= envelopeAt(points, timeAt(i));
}

void applyDecay(Signal& s, double tau) {
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] *= std::exp(-timeAt(i) / tau);
}

void fadeEdges(Signal& s, double fadeIn, double fadeOut) {
    const int n = static_cast<int>(s.size());
    const int in = std::min(n, samplesFor(fadeIn));
    const int out = std::min(n, samplesFor(fadeOut));
    for (int i = 0; i < in; ++i) s[i] *= 0.5 - 0.5 * std::cos(Pi * i / in);
    for (int i = 0; i < out; ++i) s[n - 1 - i] *= 0.5 - 0.5 * std::cos(Pi * i / out);
}

void mixInto(Signal& dst, const Signal& src, double at, double gain) {
    const std::size_t start = static_cast<std::size_t>(samplesFor(at));
    if (dst.size() < start + src.size()) dst.resize(start + src.size(), 0.0);
    for (std::size_t i = 0; i < src.size(); ++i) dst[start + i] += gain * src[i];
}

void filter(Signal& s, Biquad f) {
    for (double& x : s) x = f.process(x);
}

Signal filteredNoise(std::uint32_t seed, double seconds, Biquad f) {
    kit::NoiseStream n(seed);
    Signal s = silence(seconds);
    for (double& x : s) x = f.process(n.next());
    return s;
}

Signal filteredBurst(std::uint32_t seed, double seconds, Biquad f, double tau) {
    Signal s = filteredNoise(seed, seconds, f);
    applyDecay(s, tau);
    return s;
}

Signal harmonicTone(const ToneShape& shape) {
    Signal out = silence(shape.seconds);
    double phase = 0;
    const double nyquistGuard = 0.45 * SampleRate;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeAt(i);
        double f = shape.freq * envelopeAt(shape.pitch, t);
        if (shape.vibratoRate > 0)
            f *= 1 + shape.vibratoDepth * std::sin(2 * Pi * shape.vibratoRate * t);
        const double bright = std::max(0.3, envelopeAt(shape.brightness, t));
        double sum = 0;
        double norm = 0;
        for (int n = 1; n * f < nyquistGuard && n <= 40; n += shape.oddOnly ? 2 : 1) {
            const double a = std::exp(-(n - 1) / bright) / n;
            sum += a * std::sin(n * phase);
            norm += a;
        }
        out[i] = norm > 0 ? sum / std::sqrt(norm) : 0;
        phase += 2 * Pi * f / SampleRate;
        if (phase > 2 * Pi * 1000) phase -= 2 * Pi * 1000;
    }
    return out;
}

Signal sineGlide(const std::vector<Breakpoint>& freqHz, double seconds) {
    Signal out = silence(seconds);
    double phase = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        out[i] = std::sin(phase);
        phase += 2 * Pi * envelopeAt(freqHz, timeAt(i)) / SampleRate;
    }
    return out;
}

double peakOf(const Signal& s) {
    double p = 0;
    for (double x : s) p = std::max(p, std::abs(x));
    return p;
}

}  // namespace tarnwick::sound
