// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ClipPlayer.h"

#include <QFileInfo>
#include <QPainter>
#include <QWidget>

#include "platform/ClipDecoder.h"
#include "platform/GameModule.h"

namespace tarnwick {

namespace {

// A fresh decoder from the clip module, loaded on first use; nullptr when
// the module is missing or broken.
std::unique_ptr<ClipDecoder> MakeDecoder() {
    auto make = reinterpret_cast<MakeClipDecoderFunction>(
        GameModuleSymbol(ClipModuleName, MakeClipDecoderSymbol));
    return std::unique_ptr<ClipDecoder>(make ? make() : nullptr);
}

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
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &ClipPlayer::Tick);
}

ClipPlayer::~ClipPlayer() = default;

bool ClipPlayer::Open(const QString& path) {
    Close();
    // Only a regular file: a FIFO or a device in the clip's place must not
    // hold the story up.
    if (!QFileInfo(path).isFile()) return false;
    decoder_ = MakeDecoder();
    if (!decoder_ || !decoder_->Open(path.toLocal8Bit().constData()) || !Step() || !Rewind()) {
        Close();
        return false;
    }
    intervalMs_ = decoder_->FrameInterval();
    ShowFrame();
    return true;
}

void ClipPlayer::Close() {
    timer_.stop();
    decoder_.reset();
    frame_ = QImage();
    ended_ = false;
    ShowFrame();
}

void ClipPlayer::ShowFrame() {
    if (screen_) screen_->Show(frame_);
}

bool ClipPlayer::Step() {
    if (!decoder_ || ended_) return false;
    if (decoder_->Step(frame_)) return true;
    ended_ = true;
    return false;
}

bool ClipPlayer::Rewind() {
    if (!decoder_) return false;
    if (!decoder_->Rewind()) {
        decoder_.reset();
        timer_.stop();
        return false;
    }
    ended_ = false;
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
