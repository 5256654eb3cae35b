// The help viewer program, run offscreen: what it shows for a file and a
// topic, and how the game starts, switches and ends it.
#include <QProcess>
#include <QtTest>
#include <csignal>

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
