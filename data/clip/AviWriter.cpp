// SPDX-License-Identifier: GPL-3.0-or-later
#include "AviWriter.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/imgutils.h>
#include <libavutil/log.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

namespace tarnwick::clip {

struct AviWriter::State {
    AVFormatContext* format = nullptr;
    AVCodecContext* codec = nullptr;
    AVStream* stream = nullptr;
    AVFrame* frame = nullptr;
    AVPacket* packet = nullptr;
    SwsContext* scaler = nullptr;
    int width = 0;
    int height = 0;
    std::int64_t nextPts = 0;
    bool headerWritten = false;

    ~State() {
        sws_freeContext(scaler);
        av_packet_free(&packet);
        av_frame_free(&frame);
        avcodec_free_context(&codec);
        if (format) {
            if (format->pb) avio_closep(&format->pb);
            avformat_free_context(format);
        }
    }
};

AviWriter::AviWriter() = default;
AviWriter::~AviWriter() = default;

bool AviWriter::open(const QString& path, int width, int height, int framesPerSecond) {
    av_log_set_level(AV_LOG_ERROR);  // keep the build log quiet
    d_ = std::make_unique<State>();
    State& s = *d_;
    s.width = width;
    s.height = height;
    const QByteArray file = path.toLocal8Bit();
    if (avformat_alloc_output_context2(&s.format, nullptr, "avi", file.constData()) < 0) return false;
    s.format->flags |= AVFMT_FLAG_BITEXACT;

    const AVCodec* mjpeg = avcodec_find_encoder(AV_CODEC_ID_MJPEG);
    if (!mjpeg) return false;
    s.stream = avformat_new_stream(s.format, nullptr);
    s.codec = avcodec_alloc_context3(mjpeg);
    if (!s.stream || !s.codec) return false;
    s.codec->width = width;
    s.codec->height = height;
    s.codec->time_base = AVRational{1, framesPerSecond};
    s.codec->framerate = AVRational{framesPerSecond, 1};
    s.codec->pix_fmt = AV_PIX_FMT_YUVJ420P;
    s.codec->color_range = AVCOL_RANGE_JPEG;
    s.codec->thread_count = 1;
    s.codec->flags |= AV_CODEC_FLAG_BITEXACT | AV_CODEC_FLAG_QSCALE;
    s.codec->global_quality = FF_QP2LAMBDA * 3;  // fine quality, small file
    if (s.format->oformat->flags & AVFMT_GLOBALHEADER) s.codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    if (avcodec_open2(s.codec, mjpeg, nullptr) < 0) return false;
    if (avcodec_parameters_from_context(s.stream->codecpar, s.codec) < 0) return false;
    s.stream->time_base = s.codec->time_base;

    s.frame = av_frame_alloc();
    s.packet = av_packet_alloc();
    if (!s.frame || !s.packet) return false;
    s.frame->format = s.codec->pix_fmt;
    s.frame->width = width;
    s.frame->height = height;
    s.frame->color_range = AVCOL_RANGE_JPEG;
    if (av_frame_get_buffer(s.frame, 0) < 0) return false;
    s.scaler = sws_getContext(width, height, AV_PIX_FMT_BGRA, width, height, AV_PIX_FMT_YUVJ420P,
                              SWS_BICUBIC | SWS_BITEXACT | SWS_ACCURATE_RND, nullptr, nullptr, nullptr);
    if (!s.scaler) return false;

    if (avio_open(&s.format->pb, file.constData(), AVIO_FLAG_WRITE) < 0) return false;
    if (avformat_write_header(s.format, nullptr) < 0) return false;
    s.headerWritten = true;
    return true;
}

bool AviWriter::addFrame(const QImage& image) {
    if (!d_ || !d_->headerWritten) return false;
    State& s = *d_;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    if (rgb.width() != s.width || rgb.height() != s.height) return false;
    if (av_frame_make_writable(s.frame) < 0) return false;
    const uint8_t* src[1] = {rgb.constBits()};
    const int stride[1] = {static_cast<int>(rgb.bytesPerLine())};
    sws_scale(s.scaler, src, stride, 0, s.height, s.frame->data, s.frame->linesize);
    s.frame->pts = s.nextPts++;
    if (avcodec_send_frame(s.codec, s.frame) < 0) return false;
    return encode(false);
}

bool AviWriter::encode(bool flush) {
    State& s = *d_;
    for (;;) {
        const int got = avcodec_receive_packet(s.codec, s.packet);
        if (got == AVERROR(EAGAIN) && !flush) return true;
        if (got == AVERROR_EOF) return true;
        if (got < 0) return false;
        av_packet_rescale_ts(s.packet, s.codec->time_base, s.stream->time_base);
        s.packet->stream_index = s.stream->index;
        if (av_interleaved_write_frame(s.format, s.packet) < 0) return false;
    }
}

bool AviWriter::close() {
    if (!d_ || !d_->headerWritten) return false;
    State& s = *d_;
    bool ok = avcodec_send_frame(s.codec, nullptr) >= 0 && encode(true);
    ok = av_write_trailer(s.format) == 0 && ok;
    d_.reset();
    return ok;
}

}  // namespace tarnwick::clip
