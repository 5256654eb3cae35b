// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes frames as a Motion-JPEG video in an AVI file, byte for byte the
// same on every run (no time stamps, no encoder names, one thread).
#include <QImage>
#include <QString>
#include <memory>

namespace tarnwick::clip {

class AviWriter {
public:
    AviWriter();
    ~AviWriter();
    AviWriter(const AviWriter&) = delete;
    AviWriter& operator=(const AviWriter&) = delete;

    // Opens the file; every frame must then have this size.
    bool open(const QString& path, int width, int height, int framesPerSecond);
    bool addFrame(const QImage& image);
    // Flushes the encoder and finishes the file.
    bool close();

private:
    struct State;
    bool encode(bool flush);
    std::unique_ptr<State> d_;
};

}  // namespace tarnwick::clip
