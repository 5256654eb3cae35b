// SPDX-License-Identifier: GPL-3.0-or-later
// The eleven cue files must be plain PCM waves the game's sound service
// can play: right length for the moment they accompany, never clipped,
// starting and ending softly, and about equally loud.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

struct Wave {
    std::string error;  // empty when the file parsed
    int format = 0;
    int channels = 0;
    int rate = 0;
    int bits = 0;
    std::vector<std::int16_t> samples;  // first channel only

    double seconds() const { return rate ? static_cast<double>(samples.size()) / rate : 0; }
};

std::uint32_t le32(const std::string& b, std::size_t at) {
    return static_cast<std::uint8_t>(b[at]) | static_cast<std::uint8_t>(b[at + 1]) << 8 |
           static_cast<std::uint8_t>(b[at + 2]) << 16 | static_cast<std::uint32_t>(static_cast<std::uint8_t>(b[at + 3])) << 24;
}

int le16(const std::string& b, std::size_t at) {
    return static_cast<std::uint8_t>(b[at]) | static_cast<std::uint8_t>(b[at + 1]) << 8;
}

Wave readWave(const std::string& path) {
    Wave w;
    std::ifstream file(path, std::ios::binary);
    const std::string b((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (b.size() < 12 || b.compare(0, 4, "RIFF") != 0 || b.compare(8, 4, "WAVE") != 0) {
        w.error = "not a RIFF WAVE file";
        return w;
    }
    if (le32(b, 4) + 8 != b.size()) w.error = "RIFF size does not match the file";
    bool haveFormat = false;
    for (std::size_t at = 12; at + 8 <= b.size();) {
        const std::string id = b.substr(at, 4);
        const std::size_t size = le32(b, at + 4);
        const std::size_t body = at + 8;
        if (body + size > b.size()) {
            w.error = "chunk " + id + " runs past the end";
            return w;
        }
        if (id == "fmt ") {
            w.format = le16(b, body);
            w.channels = le16(b, body + 2);
            w.rate = static_cast<int>(le32(b, body + 4));
            w.bits = le16(b, body + 14);
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat || w.channels < 1 || w.bits != 16) {
                w.error = "data before a usable fmt chunk";
                return w;
            }
            const std::size_t frame = 2 * static_cast<std::size_t>(w.channels);
            for (std::size_t i = 0; i + frame <= size; i += frame)
                w.samples.push_back(static_cast<std::int16_t>(le16(b, body + i)));
        }
        at = body + size + (size & 1);
    }
    if (!haveFormat) w.error = "no fmt chunk";
    return w;
}

std::string cuePath(int n) { return std::string(PROGRAM_DIR) + "w" + std::to_string(n) + ".wav"; }

// Loudest 100 ms, in dB below full scale.
double loudestDb(const Wave& w) {
    const std::size_t window = static_cast<std::size_t>(w.rate / 10);
    double best = 0;
    for (std::size_t start = 0; start < w.samples.size(); start += window / 10) {
        double sum = 0;
        for (std::size_t i = start; i < std::min(w.samples.size(), start + window); ++i) {
            const double x = w.samples[i] / 32768.0;
            sum += x * x;
        }
        best = std::max(best, sum / static_cast<double>(window));
    }
    return 10 * std::log10(std::max(best, 1e-12));
}

}  // namespace

TEST(WaveFiles, EveryCueIsSixteenBitPcm) {
    for (int n = 1; n <= 11; ++n) {
        SCOPED_TRACE("w" + std::to_string(n) + ".wav");
        const Wave w = readWave(cuePath(n));
        ASSERT_EQ(w.error, "");
        EXPECT_EQ(w.format, 1);
        EXPECT_TRUE(w.channels == 1 || w.channels == 2);
        EXPECT_TRUE(w.rate == 22050 || w.rate == 44100);
        EXPECT_EQ(w.bits, 16);
        EXPECT_FALSE(w.samples.empty());
    }
}

TEST(WaveFiles, EachCueFitsItsMoment) {
    // The footstep repeats every 180 ms while walking, the shift lasts as
    // long as the 360 ms scroll, explosions follow each other closely.
    struct Limit {
        int cue;
        double min, max;
    };
    const Limit limits[] = {{1, 0.3, 0.4},  {2, 0.04, 0.15}, {3, 0.3, 1.5}, {4, 0.3, 1.5},
                            {5, 0.3, 1.5},  {6, 0.3, 1.5},   {7, 0.3, 1.5}, {8, 0.05, 1.5},
                            {9, 0.02, 1.5}, {10, 0.03, 1.5}, {11, 0.05, 0.3}};
    for (const Limit& l : limits) {
        SCOPED_TRACE("w" + std::to_string(l.cue) + ".wav");
        const Wave w = readWave(cuePath(l.cue));
        ASSERT_EQ(w.error, "");
        EXPECT_GE(w.seconds(), l.min);
        EXPECT_LT(w.seconds(), l.max);
    }
}

TEST(WaveFiles, CuesAreLevelledAndNeverClipped) {
    std::vector<double> loudness;
    for (int n = 1; n <= 11; ++n) {
        SCOPED_TRACE("w" + std::to_string(n) + ".wav");
        const Wave w = readWave(cuePath(n));
        ASSERT_EQ(w.error, "");
        int peak = 0;
        for (std::int16_t s : w.samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
        EXPECT_LT(peak, 31000) << "peak too close to full scale";
        EXPECT_GT(peak, 6000) << "cue is nearly silent";
        // Soft edges: no click when the cue starts or is cut off at its end.
        EXPECT_LT(std::abs(w.samples.front()), 300);
        EXPECT_LT(std::abs(w.samples.back()), 300);
        loudness.push_back(loudestDb(w));
    }
    const auto [quiet, loud] = std::minmax_element(loudness.begin(), loudness.end());
    EXPECT_LT(*loud - *quiet, 12.0) << "the cues differ too much in loudness";
}
