// SPDX-License-Identifier: GPL-3.0-or-later
// The story clip must open with FFmpeg and give at least 48 frames of the
// panel's size, 240 x 148, and actually move.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

namespace {

struct Decoded {
    std::string error;
    AVCodecID codec = AV_CODEC_ID_NONE;
    int frames = 0;
    int badSize = 0;
    double framesPerSecond = 0;
    std::vector<std::int64_t> lumaSums;  // brightness of each frame
};

Decoded decodeClip(const std::string& path) {
    Decoded out;
    AVFormatContext* format = nullptr;
    if (avformat_open_input(&format, path.c_str(), nullptr, nullptr) < 0) {
        out.error = "cannot open " + path;
        return out;
    }
    AVCodecContext* codec = nullptr;
    AVFrame* frame = av_frame_alloc();
    AVPacket* packet = av_packet_alloc();
    const int stream = avformat_find_stream_info(format, nullptr) >= 0
                           ? av_find_best_stream(format, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0)
                           : -1;
    const AVCodec* decoder = nullptr;
    if (stream < 0) {
        out.error = "no video stream";
    } else {
        const AVCodecParameters* par = format->streams[stream]->codecpar;
        out.codec = par->codec_id;
        out.framesPerSecond = av_q2d(format->streams[stream]->avg_frame_rate);
        decoder = avcodec_find_decoder(par->codec_id);
        codec = avcodec_alloc_context3(decoder);
        if (!decoder || !codec || avcodec_parameters_to_context(codec, par) < 0 ||
            avcodec_open2(codec, decoder, nullptr) < 0)
            out.error = "no decoder";
    }
    auto drain = [&] {
        while (avcodec_receive_frame(codec, frame) == 0) {
            ++out.frames;
            if (frame->width != 240 || frame->height != 148) ++out.badSize;
            std::int64_t sum = 0;
            for (int y = 0; y < frame->height; ++y)
                for (int x = 0; x < frame->width; ++x) sum += frame->data[0][y * frame->linesize[0] + x];
            out.lumaSums.push_back(sum);
        }
    };
    if (out.error.empty()) {
        while (av_read_frame(format, packet) >= 0) {
            if (packet->stream_index == stream && avcodec_send_packet(codec, packet) >= 0) drain();
            av_packet_unref(packet);
        }
        avcodec_send_packet(codec, nullptr);
        drain();
    }
    av_packet_free(&packet);
    av_frame_free(&frame);
    avcodec_free_context(&codec);
    avformat_close_input(&format);
    return out;
}

}  // namespace

TEST(StoryClip, DecodesToEnoughFramesOfThePanelSize) {
    const Decoded clip = decodeClip(std::string(PROGRAM_DIR) + "a1.avi");
    ASSERT_EQ(clip.error, "");
    EXPECT_TRUE(clip.codec == AV_CODEC_ID_MJPEG || clip.codec == AV_CODEC_ID_MPEG4);
    EXPECT_GE(clip.frames, 48);
    EXPECT_EQ(clip.badSize, 0);
    ASSERT_GT(clip.framesPerSecond, 0);
    const double seconds = clip.frames / clip.framesPerSecond;
    EXPECT_GE(seconds, 3.0);
    EXPECT_LE(seconds, 7.0);
}

TEST(StoryClip, PictureChangesOverTheClip) {
    const Decoded clip = decodeClip(std::string(PROGRAM_DIR) + "a1.avi");
    ASSERT_EQ(clip.error, "");
    ASSERT_GE(clip.lumaSums.size(), 48u);
    int changes = 0;
    for (std::size_t i = 1; i < clip.lumaSums.size(); ++i)
        if (clip.lumaSums[i] != clip.lumaSums[i - 1]) ++changes;
    EXPECT_GT(changes, static_cast<int>(clip.lumaSums.size()) / 2);
}
