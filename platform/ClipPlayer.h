// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plays a video clip inside a widget, one frame per tick of a timer running
// at the clip's frame rate on the window thread; a small clip costs next to
// nothing per tick. The frames come from the clip module, loaded the first
// time a clip is opened: a missing or broken module is a clip that does not
// open. A damaged file never brings the game down: a clip that cannot be
// decoded does not open, and a decoding error halfway through simply ends
// the playback there.
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <memory>

class QWidget;

namespace tarnwick {

class ClipDecoder;
class ClipScreen;

class ClipPlayer : public QObject {
    Q_OBJECT
public:
    // The frames fill the whole of `display`, scaled when the sizes differ.
    explicit ClipPlayer(QWidget* display);
    ~ClipPlayer() override;

    // False when the clip module cannot be loaded, or the file cannot be
    // read or holds no video stream whose first frame decodes; the player
    // then stays closed.
    bool Open(const QString& path);
    void Close();
    bool IsOpen() const { return decoder_ != nullptr; }

    // Plays on from the frame it stands at; from the first frame once the
    // clip has run to its end.
    void Play();
    void Pause();
    // Back to the first frame; playing goes on if it was playing.
    bool Rewind();

    bool IsPlaying() const { return timer_.isActive(); }
    bool AtEnd() const { return ended_; }
    int FrameInterval() const { return intervalMs_; }
    // The frame on show (the first one right after opening).
    const QImage& CurrentFrame() const { return frame_; }

    // Decodes the next frame into CurrentFrame(); false at the end of the
    // clip or at a frame that does not decode, which ends the clip.
    bool Step();

signals:
    void Finished();

private:
    void Tick();
    void ShowFrame();

    QPointer<ClipScreen> screen_;  // a child of the display widget
    QTimer timer_;
    QImage frame_;
    std::unique_ptr<ClipDecoder> decoder_;
    int intervalMs_ = 1000 / 15;
    bool ended_ = false;
};

}  // namespace tarnwick
