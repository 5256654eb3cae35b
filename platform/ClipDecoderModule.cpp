// SPDX-License-Identifier: GPL-3.0-or-later
// The clip module: decodes the story clip with FFmpeg, one frame at a
// time. A damaged file never brings the game down: a clip that cannot be
// decoded does not open, and a decoding error halfway through simply ends
// the clip there.
#include <QByteArray>

#include "platform/ClipDecoder.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/log.h>
#include <libswscale/swscale.h>
}

namespace tarnwick {

namespace {

// Anything larger is not a clip of ours but a damaged header.
constexpr int MaxSide = 4096;
// Packets read in search of one frame before the file counts as damaged.
constexpr int MaxPacketsPerFrame = 1000;

class FfmpegClipDecoder : public ClipDecoder {
public:
    FfmpegClipDecoder() {
        // The game keeps no log; FFmpeg's complaints about damaged files go nowhere.
        av_log_set_level(AV_LOG_QUIET);
    }
    ~FfmpegClipDecoder() override { Close(); }

    bool Open(const char* path) override {
        Close();
        path_ = path;
        if (OpenFile()) return true;
        Close();
        return false;
    }

    bool Step(QImage& frame) override {
        if (!decoder_) return false;
        for (int packets = 0; packets < MaxPacketsPerFrame; ++packets) {
            const int received = avcodec_receive_frame(decoder_, decoded_);
            if (received == 0) return ConvertFrame(frame);
            if (received != AVERROR(EAGAIN) || draining_) return false;

            if (av_read_frame(format_, packet_) < 0) {
                // End of file (or a read error): let the decoder give up what it holds.
                draining_ = true;
                if (avcodec_send_packet(decoder_, nullptr) < 0) return false;
                continue;
            }
            const bool ours = packet_->stream_index == stream_;
            const int sent = ours ? avcodec_send_packet(decoder_, packet_) : 0;
            av_packet_unref(packet_);
            if (sent < 0) return false;
        }
        return false;
    }

    bool Rewind() override {
        if (!decoder_) return false;
        const bool sought = av_seek_frame(format_, stream_, 0, AVSEEK_FLAG_BACKWARD) >= 0 ||
                            avformat_seek_file(format_, -1, INT64_MIN, 0, 0, 0) >= 0;
        if (sought) {
            avcodec_flush_buffers(decoder_);
            draining_ = false;
            return true;
        }
        // A file that cannot seek is opened afresh.
        Close();
        if (OpenFile()) return true;
        Close();
        return false;
    }

    int FrameInterval() const override { return intervalMs_; }

private:
    bool OpenFile() {
        if (avformat_open_input(&format_, path_.constData(), nullptr, nullptr) < 0) {
            format_ = nullptr;
            return false;
        }
        if (avformat_find_stream_info(format_, nullptr) < 0) return false;
        const AVCodec* codec = nullptr;
        stream_ = av_find_best_stream(format_, AVMEDIA_TYPE_VIDEO, -1, -1, &codec, 0);
        if (stream_ < 0 || !codec) return false;
        AVStream* stream = format_->streams[stream_];
        const AVCodecParameters* parameters = stream->codecpar;
        if (parameters->width <= 0 || parameters->height <= 0 || parameters->width > MaxSide ||
            parameters->height > MaxSide)
            return false;

        decoder_ = avcodec_alloc_context3(codec);
        if (!decoder_) return false;
        decoder_->thread_count = 1;
        if (avcodec_parameters_to_context(decoder_, parameters) < 0 ||
            avcodec_open2(decoder_, codec, nullptr) < 0)
            return false;
        decoded_ = av_frame_alloc();
        packet_ = av_packet_alloc();
        if (!decoded_ || !packet_) return false;

        const AVRational rate = av_guess_frame_rate(format_, stream, nullptr);
        intervalMs_ = 1000 / 15;
        if (rate.num > 0 && rate.den > 0) {
            const double ms = 1000.0 * rate.den / rate.num;
            if (ms >= 10 && ms <= 1000) intervalMs_ = int(ms + 0.5);
        }
        draining_ = false;
        return true;
    }

    void Close() {
        sws_freeContext(scaler_);
        scaler_ = nullptr;
        av_packet_free(&packet_);
        av_frame_free(&decoded_);
        avcodec_free_context(&decoder_);
        avformat_close_input(&format_);
        stream_ = -1;
    }

    bool ConvertFrame(QImage& frame) {
        const int width = decoded_->width;
        const int height = decoded_->height;
        bool converted = false;
        if (width > 0 && height > 0 && width <= MaxSide && height <= MaxSide) {
            scaler_ = sws_getCachedContext(scaler_, width, height, AVPixelFormat(decoded_->format),
                                           width, height, AV_PIX_FMT_BGRA, SWS_BILINEAR, nullptr,
                                           nullptr, nullptr);
            if (scaler_) {
                // BGRA bytes are what a 32-bit QImage holds on this machine's byte order.
                QImage image(width, height, QImage::Format_RGB32);
                uint8_t* planes[4] = {image.bits(), nullptr, nullptr, nullptr};
                const int strides[4] = {int(image.bytesPerLine()), 0, 0, 0};
                converted = sws_scale(scaler_, decoded_->data, decoded_->linesize, 0, height,
                                      planes, strides) == height;
                if (converted) frame = image;
            }
        }
        av_frame_unref(decoded_);
        return converted;
    }

    QByteArray path_;
    int intervalMs_ = 1000 / 15;
    bool draining_ = false;

    AVFormatContext* format_ = nullptr;
    AVCodecContext* decoder_ = nullptr;
    AVFrame* decoded_ = nullptr;
    AVPacket* packet_ = nullptr;
    SwsContext* scaler_ = nullptr;
    int stream_ = -1;
};

}  // namespace

}  // namespace tarnwick

extern "C" __attribute__((visibility("default"))) tarnwick::ClipDecoder* tarnwick_make_clip_decoder_1() {
    return new tarnwick::FfmpegClipDecoder;
}
