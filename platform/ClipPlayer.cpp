#include "platform/ClipPlayer.h"

#include <QPainter>
#include <QWidget>

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
}  // namespace

// The child widget the frames are shown in; clicks go through it to the
// widget underneath.
class ClipScreen : public QWidget {
public:
    explicit ClipScreen(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_OpaquePaintEvent);
        setGeometry(parent->rect());
    }

    void Show(const QImage& frame) {
        frame_ = frame;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        if (frame_.isNull()) {
            painter.fillRect(rect(), Qt::black);
        } else {
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(rect(), frame_);
        }
    }

private:
    QImage frame_;
};

ClipPlayer::ClipPlayer(QWidget* display) : screen_(new ClipScreen(display)) {
    // The game keeps no log; FFmpeg's complaints about damaged files go nowhere.
    av_log_set_level(AV_LOG_QUIET);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &ClipPlayer::Tick);
}

ClipPlayer::~ClipPlayer() { CloseDecoder(); }

bool ClipPlayer::Open(const QString& path) {
    Close();
    path_ = path;
    if (!OpenDecoder() || !Step() || !Rewind()) {
        Close();
        return false;
    }
    ShowFrame();
    return true;
}

void ClipPlayer::Close() {
    timer_.stop();
    CloseDecoder();
    frame_ = QImage();
    ended_ = false;
    ShowFrame();
}

void ClipPlayer::ShowFrame() {
    if (screen_) screen_->Show(frame_);
}

bool ClipPlayer::OpenDecoder() {
    const QByteArray name = path_.toLocal8Bit();
    if (avformat_open_input(&format_, name.constData(), nullptr, nullptr) < 0) {
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
        avcodec_open2(decoder_, codec, nullptr) < 0) {
        CloseDecoder();
        return false;
    }
    decoded_ = av_frame_alloc();
    packet_ = av_packet_alloc();
    if (!decoded_ || !packet_) {
        CloseDecoder();
        return false;
    }

    const AVRational rate = av_guess_frame_rate(format_, stream, nullptr);
    intervalMs_ = 1000 / 15;
    if (rate.num > 0 && rate.den > 0) {
        const double ms = 1000.0 * rate.den / rate.num;
        if (ms >= 10 && ms <= 1000) intervalMs_ = int(ms + 0.5);
    }
    ended_ = false;
    draining_ = false;
    return true;
}

void ClipPlayer::CloseDecoder() {
    sws_freeContext(scaler_);
    scaler_ = nullptr;
    av_packet_free(&packet_);
    av_frame_free(&decoded_);
    avcodec_free_context(&decoder_);
    avformat_close_input(&format_);
    stream_ = -1;
}

bool ClipPlayer::Step() {
    if (!decoder_ || ended_) return false;
    for (int packets = 0; packets < MaxPacketsPerFrame; ++packets) {
        const int received = avcodec_receive_frame(decoder_, decoded_);
        if (received == 0) {
            if (ConvertFrame()) return true;
            break;
        }
        if (received != AVERROR(EAGAIN) || draining_) break;

        if (av_read_frame(format_, packet_) < 0) {
            // End of file (or a read error): let the decoder give up what it holds.
            draining_ = true;
            if (avcodec_send_packet(decoder_, nullptr) < 0) break;
            continue;
        }
        const bool ours = packet_->stream_index == stream_;
        const int sent = ours ? avcodec_send_packet(decoder_, packet_) : 0;
        av_packet_unref(packet_);
        if (sent < 0) break;
    }
    ended_ = true;
    return false;
}

bool ClipPlayer::ConvertFrame() {
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
            converted = sws_scale(scaler_, decoded_->data, decoded_->linesize, 0, height, planes,
                                  strides) == height;
            if (converted) frame_ = image;
        }
    }
    av_frame_unref(decoded_);
    return converted;
}

bool ClipPlayer::Rewind() {
    if (!decoder_) return false;
    bool sought = false;
    if (format_ && stream_ >= 0) {
        sought = av_seek_frame(format_, stream_, 0, AVSEEK_FLAG_BACKWARD) >= 0 ||
                 avformat_seek_file(format_, -1, INT64_MIN, 0, 0, 0) >= 0;
        if (sought) avcodec_flush_buffers(decoder_);
    }
    if (!sought) {
        // A file that cannot seek is opened afresh.
        CloseDecoder();
        if (!OpenDecoder()) {
            CloseDecoder();
            timer_.stop();
            return false;
        }
    }
    ended_ = false;
    draining_ = false;
    return true;
}

void ClipPlayer::Play() {
    if (!decoder_) return;
    if (ended_ && !Rewind()) return;
    if (!timer_.isActive()) timer_.start(intervalMs_);
}

void ClipPlayer::Pause() { timer_.stop(); }

void ClipPlayer::Tick() {
    if (Step()) {
        ShowFrame();
        return;
    }
    timer_.stop();
    emit Finished();
}

}  // namespace tarnwick
