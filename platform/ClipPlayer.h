#pragma once
// Plays a video clip inside a widget. Frames are decoded with FFmpeg on the
// window thread, one per tick of a timer running at the clip's frame rate;
// a small clip costs next to nothing per tick. A damaged file never brings
// the game down: a clip that cannot be decoded does not open, and a decoding
// error halfway through simply ends the playback there.
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

class QWidget;
struct AVFormatContext;
struct AVCodecContext;
struct AVFrame;
struct AVPacket;
struct SwsContext;

namespace tarnwick {

class ClipScreen;

class ClipPlayer : public QObject {
    Q_OBJECT
public:
    // The frames fill the whole of `display`, scaled when the sizes differ.
    explicit ClipPlayer(QWidget* display);
    ~ClipPlayer() override;

    // False when the file cannot be read or holds no video stream whose
    // first frame decodes; the player then stays closed.
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
    bool OpenDecoder();
    void CloseDecoder();
    bool ConvertFrame();
    void Tick();
    void ShowFrame();

    QString path_;
    QPointer<ClipScreen> screen_;  // a child of the display widget
    QTimer timer_;
    QImage frame_;
    int intervalMs_ = 1000 / 15;
    bool ended_ = false;
    bool draining_ = false;

    AVFormatContext* format_ = nullptr;
    AVCodecContext* decoder_ = nullptr;
    AVFrame* decoded_ = nullptr;
    AVPacket* packet_ = nullptr;
    SwsContext* scaler_ = nullptr;
    int stream_ = -1;
};

}  // namespace tarnwick
