// SPDX-License-Identifier: GPL-3.0-or-later
// The clip player against the real story clip and against damaged copies
// of it: every frame decodes, playing runs to the end and starts over, and
// nothing that is not a clip brings it down; nor does a clip module that
// is missing or broken.
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>
#include <sys/stat.h>

#include "platform/ClipPlayer.h"
#include "platform/GameModule.h"

using namespace tarnwick;

namespace {

const QString RealClip = QString(PROGRAM_DIR) + "a1.avi";

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Bytes that are no file format at all, the same on every run.
QByteArray Garbage(int size, quint32 seed) {
    QByteArray bytes(size, '\0');
    for (char& byte : bytes) {
        seed = seed * 1664525u + 1013904223u;
        byte = char(seed >> 24);
    }
    return bytes;
}

int StepToEnd(ClipPlayer& player) {
    int frames = 0;
    while (player.Step() && frames < 10000) ++frames;
    return frames;
}

}  // namespace

class ClipPlayerTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;
    QWidget display_;

    QString Damaged(const char* name, const QByteArray& bytes) {
        const QString path = folder_.path() + "/" + name;
        return WriteAll(path, bytes) ? path : QString();
    }

private slots:
    void initTestCase() {
        QVERIFY(folder_.isValid());
        display_.resize(240, 148);
        SetGameModuleFolder(PROGRAM_DIR);
    }

    void theStoryClipDecodesFrameByFrame() {
        ClipPlayer player(&display_);
        QVERIFY(player.Open(RealClip));
        QVERIFY(player.IsOpen());
        QCOMPARE(player.FrameInterval(), 67);  // 15 frames a second
        QCOMPARE(player.CurrentFrame().size(), QSize(240, 148));
        const QImage first = player.CurrentFrame();

        int frames = 0;
        bool allOfSize = true;
        while (player.Step()) {
            ++frames;
            allOfSize = allOfSize && player.CurrentFrame().size() == QSize(240, 148);
        }
        QCOMPARE(frames, 75);
        QVERIFY(allOfSize);
        QVERIFY(player.AtEnd());
        QVERIFY(!player.Step());

        // Rewinding starts over with the very first frame.
        QVERIFY(player.Rewind());
        QVERIFY(!player.AtEnd());
        QVERIFY(player.Step());
        QCOMPARE(player.CurrentFrame(), first);
        QCOMPARE(StepToEnd(player), 74);
    }

    void theFirstFrameIsOnShowAfterOpening() {
        QWidget display;
        display.resize(240, 148);
        ClipPlayer player(&display);
        QVERIFY(player.Open(RealClip));
        const QImage shown = display.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown, player.CurrentFrame());
    }

    void playingRunsToTheEndAndStartsOverWhenPlayedAgain() {
        ClipPlayer player(&display_);
        QVERIFY(player.Open(RealClip));
        QSignalSpy finished(&player, &ClipPlayer::Finished);
        player.Play();
        QVERIFY(player.IsPlaying());
        player.Play();  // playing on while playing changes nothing
        QVERIFY(player.IsPlaying());
        QTRY_VERIFY_WITH_TIMEOUT(player.AtEnd(), 30000);
        QVERIFY(!player.IsPlaying());
        QCOMPARE(finished.count(), 1);

        player.Play();
        QVERIFY(player.IsPlaying());
        QVERIFY(!player.AtEnd());
        player.Pause();
        QVERIFY(!player.IsPlaying());
        player.Close();
        QVERIFY(!player.IsOpen());
        player.Play();
        QVERIFY(!player.IsPlaying());
    }

    void whatIsNoClipDoesNotOpen_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("garbage") << Garbage(64 * 1024, 7);
        QTest::newRow("garbage after the header")
            << ReadAll(RealClip).left(12) + Garbage(64 * 1024, 11);
        QTest::newRow("text") << QByteArray("RIFF is not enough to make a clip.\n");
    }

    void whatIsNoClipDoesNotOpen() {
        QFETCH(QByteArray, bytes);
        const QString path = Damaged("broken.avi", bytes);
        QVERIFY(!path.isEmpty());
        ClipPlayer player(&display_);
        QVERIFY(!player.Open(path));
        QVERIFY(!player.IsOpen());
        QVERIFY(!player.Step());
        QVERIFY(!player.Rewind());
        player.Play();
        QVERIFY(!player.IsPlaying());
        QVERIFY(!player.Open(folder_.path() + "/missing.avi"));
    }

    // A FIFO with no writer in the clip's place would block the story page
    // for ever if it were opened.
    void aFifoInTheClipsPlaceIsNoClip() {
        const QByteArray fifo = (folder_.path() + "/fifo.avi").toLocal8Bit();
        QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);
        ClipPlayer player(&display_);
        QVERIFY(!player.Open(QString::fromLocal8Bit(fifo)));
        QVERIFY(!player.IsOpen());
    }

    void withoutAWorkingClipModuleNoClipOpens_data() {
        QTest::addColumn<QByteArray>("module");  // empty: none at all
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("not a library") << Garbage(16 * 1024, 5);
        QTest::newRow("cut short") << ReadAll(PROGRAM_DIR "tarnwick_clip.so").left(4096);
        // A library, but not the clip module: the sound module under its name.
        QTest::newRow("another module") << ReadAll(PROGRAM_DIR "tarnwick_sound.so");
    }

    void withoutAWorkingClipModuleNoClipOpens() {
        QFETCH(QByteArray, module);
        QTemporaryDir modules;
        QVERIFY(modules.isValid());
        if (!module.isEmpty()) QVERIFY(WriteAll(modules.path() + "/tarnwick_clip.so", module));
        SetGameModuleFolder(modules.path());
        ClipPlayer player(&display_);
        const bool opened = player.Open(RealClip);
        SetGameModuleFolder(PROGRAM_DIR);
        QVERIFY(!opened);
        QVERIFY(!player.IsOpen());
        QVERIFY(!player.Step());
        player.Play();
        QVERIFY(!player.IsPlaying());
        // The module where it belongs: the same player opens the clip.
        QVERIFY(player.Open(RealClip));
    }

    void aDamagedClipEndsQuietlyWhereTheDamageBegins_data() {
        const QByteArray clip = ReadAll(RealClip);
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("cut in half") << clip.left(clip.size() / 2);
        QTest::newRow("cut after a few frames") << clip.left(clip.size() / 10);
        QByteArray scribbled = clip;
        scribbled.replace(clip.size() / 3, 20000, Garbage(20000, 3));
        QTest::newRow("scribbled over in the middle") << scribbled;
        QByteArray zeroed = clip;
        zeroed.replace(clip.size() / 2, clip.size() / 4, QByteArray(clip.size() / 4, '\0'));
        QTest::newRow("zeroed in the middle") << zeroed;
    }

    void aDamagedClipEndsQuietlyWhereTheDamageBegins() {
        QFETCH(QByteArray, bytes);
        const QString path = Damaged("damaged.avi", bytes);
        QVERIFY(!path.isEmpty());
        ClipPlayer player(&display_);
        QVERIFY(player.Open(path));
        const int frames = StepToEnd(player);
        QVERIFY(frames > 0);
        QVERIFY(frames <= 75);
        QVERIFY(player.AtEnd());
        // It can be played again, and it ends again.
        player.Play();
        QTRY_VERIFY_WITH_TIMEOUT(!player.IsPlaying(), 30000);
        QVERIFY(player.AtEnd());
    }
};

QTEST_MAIN(ClipPlayerTest)
#include "ClipPlayerTest.moc"
