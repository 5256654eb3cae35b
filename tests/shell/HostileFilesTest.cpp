// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up against settings files and last saved games that a careless or
// hostile user may leave behind: FIFOs, devices, folders, looping links,
// huge files, byte-order marks, window places far off any screen. Every
// case must start the game at once (a watchdog ends the test if it hangs)
// with the settings and game it can use and the defaults for the rest.
// A new case is one line of the table.
#include <QtTest>
#include <optional>

#include "platform/System.h"
#include "labyrinth/Corridors.h"
#include "state/IniFile.h"
#include "shell/GameWindows.h"
#include "shell/Main.h"
#include "state/SavedGame.h"
#include "support/GameRig.h"
#include "support/OddFiles.h"

using namespace tarnwick;

namespace {

using namespace tarnwick::testing;

// The settings of a returning player whose last game lies at `game`.
std::string Settings(const fs::path& game, const std::string& left = "100", const std::string& top = "80") {
    return "[Tarnwick]\ntongue=1\nleft=" + left + "\ntop=" + top + "\nsound=0\ngame=" + game.string() + "\n";
}
// The settings, with extra lines or bytes around them.
Maker SettingsText(std::function<std::string(const fs::path& game)> text) {
    return [text](const fs::path& at) { WriteFile(at, text(at.parent_path() / "last.htk")); };
}
Maker Place(const std::string& left, const std::string& top) {
    return SettingsText([=](const fs::path& game) { return Settings(game, left, top); });
}
const Maker GoodSettings = Place("100", "80");

std::string GoodRecord() {
    GameInPlay s;
    CopyGrid(s.Grid, TargetGrid);
    s.PlayerCol = 10;
    s.PlayerRow = 5;
    s.PlayerFacing = West;
    s.ReservedWord = 5;
    s.DoorOpen[7] = true;
    const auto bytes = EncodeSavedGame(RecordFromState(s));
    return std::string(bytes.begin(), bytes.end());
}
void GoodGame(const fs::path& at) { WriteFile(at, GoodRecord()); }
void NoGame(const fs::path&) {}
Maker GameBytes(std::size_t size) {
    return [size](const fs::path& at) {
        std::string bytes = GoodRecord();
        bytes.resize(size, '\0');
        WriteFile(at, bytes);
    };
}
void LinkToGoodGame(const fs::path& at) {
    GoodGame(at.string() + ".real");
    fs::create_symlink(at.string() + ".real", at);
}

// What the start must come to.
struct Outcome {
    int language;                 // -1: the settings were not read
    std::optional<QPoint> place;  // nothing: centred on the screen
    bool resumed;                 // the last game was taken up
};
const Outcome Defaults{-1, std::nullopt, false};
const Outcome Read{1, QPoint(100, 80), true};
const Outcome ReadCentred{1, std::nullopt, true};
const Outcome NewGame{1, QPoint(100, 80), false};

struct Case {
    const char* name;
    Maker settings;
    Maker game;
    Outcome expected;
};

const std::string Bom = "\xEF\xBB\xBF";
constexpr std::uintmax_t Megabyte = 1024 * 1024;

const Case Cases[] = {
    {"settings are a FIFO", Fifo, GoodGame, Defaults},
    {"settings link to /dev/zero", LinkTo("/dev/zero"), GoodGame, Defaults},
    {"settings link to /dev/urandom", LinkTo("/dev/urandom"), GoodGame, Defaults},
    {"settings are a folder", Folder, GoodGame, Defaults},
    {"settings are a looping link", LinkLoop, GoodGame, Defaults},
    {"settings link to nowhere", LinkTo("/nonexistent/mindcrate.ini"), GoodGame, Defaults},
    {"settings beyond a megabyte", [](const fs::path& at) {
         Sparse(Megabyte + 1, Settings(at.parent_path() / "last.htk") + ";")(at);
     }, GoodGame, Defaults},
    {"settings of just a megabyte", SettingsText([](const fs::path& game) {
         std::string text = Settings(game) + ";";
         return text + std::string(Megabyte - text.size(), 'x');
     }), GoodGame, Read},
    {"settings behind a byte-order mark", SettingsText([](const fs::path& g) { return Bom + Settings(g); }),
     GoodGame, Read},
    {"settings with CR LF and a byte-order mark", SettingsText([](const fs::path& g) {
         std::string text = Bom + Settings(g);
         for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 2))
             text.insert(at, "\r");
         return text;
     }), GoodGame, Read},
    {"left at the largest integer", Place("2147483647", "80"), GoodGame, ReadCentred},
    {"top at the largest integer", Place("100", "2147483647"), GoodGame, ReadCentred},
    {"left at the smallest integer", Place("-2147483648", "80"), GoodGame, ReadCentred},
    {"top at the smallest integer", Place("100", "-2147483648"), GoodGame, ReadCentred},
    {"both at the extremes", Place("-2147483648", "2147483647"), GoodGame, ReadCentred},
    {"left far off", Place("-99999", "80"), GoodGame, ReadCentred},
    {"window just off the right edge", Place("790", "80"), GoodGame, ReadCentred},
    {"window partly seen", Place("-300", "80"), GoodGame, {1, QPoint(-300, 80), true}},
    {"a sound last game", GoodSettings, GoodGame, Read},
    {"last game through a link", GoodSettings, LinkToGoodGame, Read},
    {"last game is a FIFO", GoodSettings, Fifo, NewGame},
    {"last game links to /dev/zero", GoodSettings, LinkTo("/dev/zero"), NewGame},
    {"last game links to /dev/urandom", GoodSettings, LinkTo("/dev/urandom"), NewGame},
    {"last game is a folder", GoodSettings, Folder, NewGame},
    {"last game is a looping link", GoodSettings, LinkLoop, NewGame},
    {"last game is huge", GoodSettings, Sparse(64 * Megabyte), NewGame},
    {"last game one byte too long", GoodSettings, GameBytes(SavedGameSize + 1), NewGame},
    {"last game one byte short", GoodSettings, GameBytes(SavedGameSize - 1), NewGame},
    {"last game empty", GoodSettings, GameBytes(0), NewGame},
    {"last game missing", GoodSettings, NoGame, NewGame},
};

}  // namespace

class HostileFilesTest : public QObject {
    Q_OBJECT

private:
    testing::GameRig rig_;

private slots:
    void aStartSurvivesWhatLiesInPlaceOfItsFiles_data() {
        QTest::addColumn<int>("index");
        for (std::size_t i = 0; i < std::size(Cases); ++i) QTest::newRow(Cases[i].name) << int(i);
    }

    void aStartSurvivesWhatLiesInPlaceOfItsFiles() {
        QFETCH(int, index);
        const Case& c = Cases[index];
        const fs::path folder = rig_.config.path().toStdString();
        for (const auto& entry : fs::directory_iterator(folder)) fs::remove_all(entry.path());
        const fs::path settings = folder / "mindcrate.ini";
        const fs::path last = folder / "last.htk";
        c.game(last);
        c.settings(settings);
        auto windows = std::make_unique<GameWindows>(rig_.clock, rig_.dice, rig_.cues);
        {
            const Watchdog watchdog(c.name, std::chrono::seconds(20));
            QVERIFY(windows->MakeAll());
        }
        const TMainForm* main = windows->MainForm;
        const Game& game = windows->game;
        QCOMPARE(game.Language, c.expected.language);
        const QPoint centred(ScreenWidth() / 2 - main->width() / 2, ScreenHeight() / 2 - main->height() / 2);
        QCOMPARE(main->pos(), c.expected.place.value_or(centred));
        QCOMPARE(!game.ShowStoryAtStart, c.expected.resumed);
        QCOMPARE(game.DoorOpen[7], c.expected.resumed);
        QCOMPARE(game.PlayerCol, c.expected.resumed ? 10 : 0);
        if (c.expected.language == 1) QCOMPARE(game.GameFileName, last.string());
    }
};

QTEST_MAIN(HostileFilesTest)
#include "HostileFilesTest.moc"
