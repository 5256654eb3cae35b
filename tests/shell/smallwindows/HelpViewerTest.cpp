// SPDX-License-Identifier: GPL-3.0-or-later
// The help viewer program, run offscreen: what it shows for a file and a
// topic, and how the game starts, switches and ends it.
#include <QProcess>
#include <QScreen>
#include <QtTest>
#include <csignal>

#include "helpviewer/Placement.h"
#include "platform/HelpViewer.h"
#include "platform/System.h"

using namespace tarnwick;

namespace {

struct Run {
    int code;
    QString out;
};

Run RunViewer(const QStringList& args) {
    QProcess viewer;
    viewer.start(PROGRAM_DIR "tarnwick-help", QStringList{"--check"} + args);
    if (!viewer.waitForFinished(20000)) return {-1, {}};
    return {viewer.exitCode(), QString::fromUtf8(viewer.readAllStandardOutput())};
}

bool Alive(qint64 pid) { return pid > 0 && ::kill(pid_t(pid), 0) == 0; }

}  // namespace

class HelpViewerTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SetProgramFolder(PROGRAM_DIR); }

    void theViewerShowsAFileAtItsTopic_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("topic");
        QTest::addColumn<QString>("top");
        QTest::newRow("rules, German") << "TARN1.HLP" << "Das_Spiel"
                                       << "Tarnwick | Das verzauberte Schachbrett – die Spielregeln";
        QTest::newRow("rules, English") << "TARN1.HLP" << "The_game"
                                        << "Tarnwick | The bewitched chess board – rules of the game";
        QTest::newRow("catalogue, English") << "FGAM.HLP" << "Fennick_Games_e"
                                            << "Fennick Games | Puzzle games for quiet evenings";
    }

    void theViewerShowsAFileAtItsTopic() {
        QFETCH(QString, file);
        QFETCH(QString, topic);
        QFETCH(QString, top);
        const Run run = RunViewer({PROGRAM_DIR + file, topic});
        QCOMPARE(run.code, 0);
        QVERIFY2(run.out.contains("topic: " + topic + "\n"), qPrintable(run.out));
        QVERIFY2(run.out.contains("top: " + top + "\n"), qPrintable(run.out));
    }

    void theViewerReportsWhatIsMissing() {
        Run run = RunViewer({PROGRAM_DIR "FGAM.HLP", "The_game"});
        QCOMPARE(run.code, 1);
        QCOMPARE(run.out, QString("missing topic: The_game\n"));
        run = RunViewer({PROGRAM_DIR "NOHELP.HLP", "The_game"});
        QCOMPARE(run.code, 1);
        QCOMPARE(run.out, QString("missing file: " PROGRAM_DIR "NOHELP.HLP\n"));
    }

    void theGameStartsSwitchesAndEndsTheViewer() {
        QCOMPARE(HelpViewerProcessId(), qint64(0));
        ShowHelpTopic(PROGRAM_DIR "TARN1.HLP", "The_game");
        const qint64 first = HelpViewerProcessId();
        QVERIFY(Alive(first));

        // Another topic of the same file: the same viewer.
        ShowHelpTopic(PROGRAM_DIR "TARN1.HLP", "Das_Spiel");
        QCOMPARE(HelpViewerProcessId(), first);
        QTest::qWait(300);
        QVERIFY(Alive(first));

        // Another file: the old viewer goes, a new one comes.
        ShowHelpTopic(PROGRAM_DIR "FGAM.HLP", "Fennick_Games_e");
        const qint64 second = HelpViewerProcessId();
        QVERIFY(second != 0 && second != first);
        QVERIFY(!Alive(first));

        CloseHelpViewer();
        QCOMPARE(HelpViewerProcessId(), qint64(0));
        QVERIFY(!Alive(second));
        CloseHelpViewer();  // nothing left to close
    }

    // The viewer is 560 x 620; the game's window 594 x 410 with its tool
    // bar 33 lines under its top.
    void theViewerOpensBesideTheGameOrClearOfItsToolBar_data() {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QRect>("game");
        QTest::addColumn<QRect>("viewer");
        const QRect wide(0, 0, 1920, 1080), small(0, 0, 1024, 768);
        QTest::newRow("room on the right") << wide << QRect(100, 100, 594, 410) << QRect(702, 100, 560, 620);
        QTest::newRow("room on the left only") << wide << QRect(1300, 100, 594, 410) << QRect(732, 100, 560, 620);
        QTest::newRow("beside, kept on the screen") << wide << QRect(100, 600, 594, 410)
                                                    << QRect(702, 460, 560, 620);
        QTest::newRow("second screen") << QRect(1920, 0, 1920, 1080) << QRect(2020, 100, 594, 410)
                                       << QRect(2622, 100, 560, 620);
        QTest::newRow("no room: over the middle, below the tool bar")
            << small << QRect(215, 179, 594, 410) << QRect(232, 212, 560, 556);
        QTest::newRow("game at the top left") << small << QRect(0, 0, 594, 410) << QRect(17, 33, 560, 620);
        QTest::newRow("game partly off the screen") << small << QRect(-400, 100, 594, 410)
                                                    << QRect(202, 100, 560, 620);
        QTest::newRow("game low on the screen: the page must fit")
            << small << QRect(200, 600, 594, 410) << QRect(217, 148, 560, 620);
    }

    void theViewerOpensBesideTheGameOrClearOfItsToolBar() {
        QFETCH(QRect, screen);
        QFETCH(QRect, game);
        QFETCH(QRect, viewer);
        QCOMPARE(tarnwick_help::PlaceBesideGame(game, game.y() + 33, screen, QSize(560, 620)), viewer);
    }

    void theGameTellsTheViewerWhereItIs() {
        QRect game;
        int toolBar = 0;
        QVERIFY(tarnwick_help::ParseGamePlace("10,-20,594,410,13", game, toolBar));
        QCOMPARE(game, QRect(10, -20, 594, 410));
        QCOMPARE(toolBar, 13);
        for (const char* bad : {"", "1,2,3,4", "1,2,3,4,5,6", "a,2,3,4,5", "1,2,0,4,5", "1,2,3,99999999999,5"})
            QVERIFY2(!tarnwick_help::ParseGamePlace(bad, game, toolBar), bad);

        // The viewer runs on the same (offscreen) screen as this test.
        const Run run = RunViewer({"--game", "100,50,594,410,83", PROGRAM_DIR "TARN1.HLP", "The_game"});
        QCOMPARE(run.code, 0);
        const QRect at = tarnwick_help::PlaceBesideGame(
            QRect(100, 50, 594, 410), 83, QGuiApplication::primaryScreen()->availableGeometry(), QSize(560, 620));
        const QString expected = QString("at: %1,%2 %3x%4\n").arg(at.x()).arg(at.y()).arg(at.width()).arg(at.height());
        QVERIFY2(run.out.contains(expected), qPrintable(run.out + " expected " + expected));
    }

    void aViewerThatCannotStartIsNoHarm() {
        SetProgramFolder("/nonexistent/");
        ShowHelpTopic(PROGRAM_DIR "TARN1.HLP", "The_game");
        QTest::qWait(100);
        QCOMPARE(HelpViewerProcessId(), qint64(0));
        CloseHelpViewer();
        SetProgramFolder(PROGRAM_DIR);
    }
};

QTEST_MAIN(HelpViewerTest)
#include "HelpViewerTest.moc"
