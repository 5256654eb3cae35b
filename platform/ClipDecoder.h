// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the clip module offers the clip player: a decoder of one clip file,
// frame by frame. The module is built against FFmpeg; the game itself
// never links it.
#include <QImage>

namespace tarnwick {

class ClipDecoder {
public:
    virtual ~ClipDecoder() = default;
    // False when the file cannot be read or holds no decodable video stream.
    virtual bool Open(const char* path) = 0;
    // Decodes the next frame into `frame`; false at the end of the clip or
    // at a frame that does not decode.
    virtual bool Step(QImage& frame) = 0;
    // Back before the first frame; false when the clip cannot be read again.
    virtual bool Rewind() = 0;
    // Milliseconds from one frame to the next.
    virtual int FrameInterval() const = 0;
};

// The module's one entry point, and the module's name.
using MakeClipDecoderFunction = ClipDecoder* (*)();
constexpr const char* ClipModuleName = "tarnwick_clip";
constexpr const char* MakeClipDecoderSymbol = "tarnwick_make_clip_decoder_1";

}  // namespace tarnwick
