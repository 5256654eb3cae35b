// SPDX-License-Identifier: GPL-3.0-or-later
// The game kept against an unannounced end: a start that finds the
// recovery file a killed game left takes it up instead of the last saved
// game and says so once; a damaged one is removed; while another copy of
// the game holds it, it is neither taken nor written nor removed. Then the
// game changes and waits for the player (the file follows, where this copy
// holds it) and ends through the quit question (the file goes). A new case
// is one line of the table; nothing is killed here (the by-hand check
// kills the real game).
#include <QEventLoop>
#include <QLockFile>
#include <QTimer>
#include <QtTest>
#include <optional>

#include "labyrinth/Corridors.h"
#include "platform/SceneWindow.h"
#include "shell/GameWindows.h"
#include "shell/Main.h"
#include "shell/Msg.h"
#include "state/SavedGame.h"
#include "state/Texts.h"
#include "support/GameRig.h"
#include "support/OddFiles.h"

using namespace tarnwick;

namespace {

using namespace tarnwick::testing;

std::string Bytes(const GameInPlay& play) {
    const auto bytes = EncodeSavedGame(RecordFromState(play));
    return std::string(bytes.begin(), bytes.end());
}
// The last saved game: door 7 open. The game a killed session left: doors
// 3 and 13 open, the corridors restored, the player before door 3.
GameInPlay Play(int door, bool restored) {
    GameInPlay play;
    CopyGrid(play.Grid, TargetGrid);
    play.PlayerCol = door == 7 ? 10 : 4;
    play.PlayerRow = 5;
    play.PlayerFacing = South;
    play.DoorOpen[door] = true;
    play.DoorOpen[13] = restored;
    play.MazeRestored = restored;
    return play;
}
const GameInPlay LastSaved = Play(7, false);
const GameInPlay LeftByAKill = Play(3, true);

std::optional<std::string> Read(const fs::path& file) {
    if (!fs::is_regular_file(file)) return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void Left(const fs::path& at) { WriteFile(at, Bytes(LeftByAKill)); }
void Short(const fs::path& at) { WriteFile(at, Bytes(LeftByAKill).substr(1)); }
void Unplayable(const fs::path& at) {
    std::string bytes = Bytes(LeftByAKill);
    bytes[0] = 99;  // no such tile
    WriteFile(at, bytes);
}
void Nothing(const fs::path&) {}

// What lies in the recovery file's place after the start.
enum class After { Kept, Removed, Untouched };

struct Case {
    const char* name;
    Maker recovery;
    bool heldByAnotherGame;  // a second copy of the game, started later
    int language;
    bool resumed;            // the game the killed session left goes on
    After afterStart;
};

const Case Cases[] = {
    {"left by a killed game", Left, false, 1, true, After::Kept},
    {"left by a killed game, in English", Left, false, 0, true, After::Kept},
    {"one byte short", Short, false, 1, false, After::Removed},
    {"a tile the game does not have", Unplayable, false, 1, false, After::Removed},
    {"a folder in its place", Folder, false, 1, false, After::Untouched},
    {"none", Nothing, false, 1, false, After::Removed},
    {"held by a game still running", Left, true, 1, false, After::Untouched},
};

}  // namespace

class RecoveryTest : public QObject {
    Q_OBJECT

private:
    GameRig rig_;

    // The windows' modal loops answered: the quit question yes, the save
    // window cancelled; the messages shown are written down.
    QStringList messages_;
    void Script() {
        SetModalScript([this](QDialog* window) {
            if (auto* mess = qobject_cast<TMessDlg*>(window)) messages_ << mess->Mess->text();
            return window->objectName() == "Tyesnodlg" ? ModalDone : ModalLeft;
        });
    }

private slots:
    void cleanupTestCase() { SetModalScript({}); }

    void aStartTakesUpWhatAnUnannouncedEndLeft_data() {
        QTest::addColumn<int>("index");
        for (std::size_t i = 0; i < std::size(Cases); ++i) QTest::newRow(Cases[i].name) << int(i);
    }

    void aStartTakesUpWhatAnUnannouncedEndLeft() {
        QFETCH(int, index);
        const Case& c = Cases[index];
        for (const QTemporaryDir* dir : {&rig_.config, &rig_.data})
            for (const auto& entry : fs::directory_iterator(dir->path().toStdString())) fs::remove_all(entry.path());
        const fs::path config = rig_.config.path().toStdString(), own = rig_.data.path().toStdString() + "/tarnwick";
        const fs::path last = config / "last.htk", recovery = own / "recovery.rec";
        WriteFile(last, Bytes(LastSaved));
        WriteFile(config / "mindcrate.ini",
                  "[Tarnwick]\ntongue=" + std::to_string(c.language) + "\nsound=0\ngame=" + last.string() + "\n");
        fs::create_directories(own);
        c.recovery(recovery);
        const std::optional<std::string> before = Read(recovery);
        QLockFile otherGame(QString::fromStdString((own / "recovery.lock").string()));
        if (c.heldByAnotherGame) QVERIFY(otherGame.tryLock(0));

        // The start, and its first activation twice over.
        messages_.clear();
        Script();
        auto windows = std::make_unique<GameWindows>(rig_.clock, rig_.dice, rig_.cues);
        QVERIFY(windows->MakeAll());
        TMainForm& main = *windows->MainForm;
        Game& game = windows->game;
        main.Activate();
        main.Activate();
        QCOMPARE(Bytes(game), Bytes(c.resumed ? LeftByAKill : LastSaved));
        QCOMPARE(game.GameFileName, last.string());  // the player's own game stays named
        QCOMPARE(game.ShowStoryAtStart, false);
        const QString resumed = QString::fromUtf8(Tr(texts::GameResumed, c.language));
        QCOMPARE(messages_.count(resumed), c.resumed ? 1 : 0);
        switch (c.afterStart) {
        case After::Kept: QCOMPARE(Read(recovery), Bytes(LeftByAKill)); break;
        case After::Removed: QVERIFY(!fs::exists(recovery)); break;
        case After::Untouched: QCOMPARE(Read(recovery), before); break;
        }

        // A door opened; the game waits for the player.
        game.DoorOpen[11] = true;
        QEventLoop waiting;
        QTimer::singleShot(20, &waiting, &QEventLoop::quit);
        waiting.exec();
        const bool holds = !c.heldByAnotherGame && c.afterStart != After::Untouched;
        QCOMPARE(Read(recovery), holds ? std::optional(Bytes(game)) : before);
        QCOMPARE(Read(last), Bytes(LastSaved));  // the player's own game is never written

        // The quit question answered yes, the save window cancelled.
        QVERIFY(main.close());
        QCOMPARE(Read(recovery), holds ? std::nullopt : before);
        QCOMPARE(Read(last), Bytes(LastSaved));

        // Nothing is kept after that end, whatever still changes.
        game.DoorOpen[10] = true;
        QEventLoop ended;
        QTimer::singleShot(20, &ended, &QEventLoop::quit);
        ended.exec();
        QCOMPARE(Read(recovery), holds ? std::nullopt : before);
    }
};

QTEST_MAIN(RecoveryTest)
#include "RecoveryTest.moc"
