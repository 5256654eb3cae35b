// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WaveCuePlayer.h"

#include <QFileInfo>
#include <QHash>
#include <QSoundEffect>
#include <QUrl>

namespace tarnwick {

namespace {

// Lives on the sound thread; keeps one loaded effect per wave file.
class SoundWorker : public QObject {
public:
    ~SoundWorker() override { qDeleteAll(effects_); }

    void Stop() {
        if (playing_) playing_->stop();
        playing_ = nullptr;
    }

    void Play(const QString& file) {
        Stop();
        if (!QFileInfo::exists(file)) return;
        QSoundEffect*& effect = effects_[file];
        if (!effect) {
            effect = new QSoundEffect;
            effect->setSource(QUrl::fromLocalFile(file));
        }
        if (effect->status() == QSoundEffect::Error) return;
        effect->play();  // plays as soon as it is loaded
        playing_ = effect;
    }

private:
    QHash<QString, QSoundEffect*> effects_;
    QSoundEffect* playing_ = nullptr;
};

}  // namespace

WaveCuePlayer::WaveCuePlayer() : worker_(new SoundWorker) {
    worker_->moveToThread(&thread_);
    QObject::connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
    thread_.start();
}

WaveCuePlayer::~WaveCuePlayer() {
    thread_.quit();
    thread_.wait();
}

void WaveCuePlayer::Stop() {
    auto* worker = static_cast<SoundWorker*>(worker_);
    QMetaObject::invokeMethod(worker_, [worker] { worker->Stop(); }, Qt::QueuedConnection);
}

void WaveCuePlayer::Play(int, const std::string& waveFile) {
    auto* worker = static_cast<SoundWorker*>(worker_);
    const QString file = QString::fromStdString(waveFile);
    QMetaObject::invokeMethod(worker_, [worker, file] { worker->Play(file); }, Qt::QueuedConnection);
}

}  // namespace tarnwick

// The sound module's one entry point.
extern "C" __attribute__((visibility("default"))) tarnwick::CuePlayer* tarnwick_make_cue_player_1() {
    return new tarnwick::WaveCuePlayer;
}
