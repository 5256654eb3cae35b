// SPDX-License-Identifier: GPL-3.0-or-later
// The main window on the offscreen platform: start-up, settings, the
// labyrinth's animations against a counting clock, and closing.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <memory>

#include "labyrinth/Corridors.h"
#include "labyrinth/Maze.h"
#include "throne/Chess.h"
#include "platform/SceneWindow.h"
#include "platform/System.h"
#include "shell/GameWindows.h"
#include "shell/Main.h"
#include "shell/Msg.h"
#include "state/SavedGame.h"
#include "shell/Yesno.h"
#include "support/WindowsRig.h"

using namespace tarnwick;
namespace fs = std::filesystem;

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    testing::GameRig rig_;
    std::unique_ptr<GameWindows> windows_;
    TMainForm* main_ = nullptr;
    QStringList shown_;          // windows run modally, in order
    QList<int> answers_;         // results the modal script gives, in order

    bool Start(const std::string& folder = PROGRAM_DIR) {
        SetProgramFolder(folder);
        windows_ = std::make_unique<GameWindows>(rig_.clock, rig_.dice, rig_.cues);
        if (!windows_->MakeAll()) return false;
        main_ = windows_->MainForm;
        testing::Show(*windows_);
        return true;
    }

    void Stop() {
        main_ = nullptr;
        windows_.reset();
    }

    Game& State() { return windows_->game; }

    QString Ini() const { return rig_.config.path() + "/mindcrate.ini"; }

    // The labyrinth as a repaint shows it now, at 1:1.
    QImage FreshPaint() {
        QImage shown(main_->box->size(), QImage::Format_RGB32);
        main_->box->render(&shown);
        return shown;
    }

    // Every frame an animation shows, as it waits for the next.
    QList<QImage> frames_;
    void RecordFrames() {
        frames_.clear();
        rig_.clock.onWait = [this] { frames_ << FreshPaint(); };
    }

    void Click(int col, int row, int dx = 27, int dy = 27) {
        main_->box->boxMouseDown(Qt::LeftButton, Qt::NoModifier, 54 * col + dx, 54 * row + dy);
    }

    void RestoredGrid() {
        CopyGrid(State().Grid, TargetGrid);
        State().PlayerCol = 0;
        State().PlayerRow = 3;
        State().PlayerFacing = East;
        State().MazeRestored = false;
    }

private slots:
    void initTestCase() {
        SetModalScript([this](QDialog* window) {
            shown_ << window->objectName();
            return answers_.isEmpty() ? ModalLeft : answers_.takeFirst();
        });
    }

    void init() {
        QFile::remove(Ini());
        shown_.clear();
        answers_.clear();
        rig_.cues.log.clear();
        rig_.clock.waits.clear();
    }

    void cleanup() {
        rig_.dice.use = nullptr;
        rig_.clock.onWait = nullptr;
        Stop();
    }

    void firstStartWithoutSettings() {
        QVERIFY(Start());
        QCOMPARE(State().Language, -1);
        QCOMPARE(State().GameFileName, std::string(PROGRAM_DIR) + "noname.htk");
        QVERIFY(State().ShowStoryAtStart);
        QVERIFY(main_->soundbtn->isChecked());
        QCOMPARE(State().PlayerCol, 0);
        QCOMPARE(State().PlayerRow, 3);
        QCOMPARE(State().PlayerFacing, int(East));
        QVERIFY(!State().MazeRestored);
        for (int d = 1; d <= 13; ++d) QVERIFY(!State().DoorOpen[d]);
        for (int n = 1; n <= 12; ++n) QCOMPARE(State().PieceTurn[n], -1);
        const int r[] = {1, 3, 5}, c[] = {2, 4, 6, 8};
        for (int row : r)
            for (int col : c) QCOMPARE(State().Grid[row][col], TargetGrid[row][col]);
        // Centred on the screen.
        QCOMPARE(main_->pos().x(), ScreenWidth() / 2 - main_->width() / 2);
        QCOMPARE(main_->pos().y(), ScreenHeight() / 2 - main_->height() / 2);
    }

    // The error box keeps the game's own line and names, below it, the file
    // and what is wrong with it, in the player's language.
    void aBadSharedPictureEndsTheProgramNamingTheFile_data() {
        QTest::addColumn<QString>("bad");
        QTest::addColumn<QByteArray>("contents");  // empty: the file is missing
        QTest::addColumn<int>("tongue");
        QTest::addColumn<QString>("message");
        QTest::newRow("b5 missing") << "b5.bmp" << QByteArray() << 0
                                    << "Not enough memory! Programm aborted.\n%1: The file is missing.";
        QTest::newRow("b2 missing") << "b2.bmp" << QByteArray() << -1
                                    << "Not enough memory! Programm aborted.\n%1: The file is missing.";
        QTest::newRow("b6 missing") << "b6.bmp" << QByteArray() << 1
                                    << "Zuwenig Speicher! Programm wird beendet.\n%1: Die Datei fehlt.";
        QTest::newRow("b5 not a picture") << "b5.bmp" << QByteArray("BM this is no bitmap") << 0
                                          << "Not enough memory! Programm aborted.\n%1: The file is not a BMP picture.";
        QTest::newRow("b6 too small") << "b6.bmp" << QByteArray("small") << 0
                                      << "Not enough memory! Programm aborted.\n%1: The picture is smaller than 250 x 125 pixels.";
        QTest::newRow("b2 too small, German") << "b2.bmp" << QByteArray("small") << 1
                                              << "Zuwenig Speicher! Programm wird beendet.\n%1: Das Bild ist kleiner als 300 x 348 Punkte.";
    }

    void aBadSharedPictureEndsTheProgramNamingTheFile() {
        QFETCH(QString, bad);
        QFETCH(QByteArray, contents);
        QFETCH(int, tongue);
        QFETCH(QString, message);
        QTemporaryDir folder;
        const QString badPath = folder.path() + "/" + bad;
        for (const char* name : {"b2.bmp", "b5.bmp", "b6.bmp"}) {
            if (bad == name) continue;
            QVERIFY(QFile::copy(QString(PROGRAM_DIR) + name, folder.path() + "/" + name));
        }
        if (contents == "small") {
            QImage(40, 30, QImage::Format_RGB32).save(badPath, "BMP");
        } else if (!contents.isEmpty()) {
            QFile file(badPath);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(contents);
        }
        IniFile(Ini().toStdString()).WriteInteger(SettingsSection, "tongue", tongue);
        QStringList errors;
        SetErrorBoxScript([&](const QString& text) { errors << text; });
        QVERIFY(!Start(folder.path().toStdString() + "/"));
        SetErrorBoxScript({});
        QCOMPARE(errors, QStringList{message.arg(badPath)});
    }

    void oddSettingsAreSurvived() {
        IniFile ini(Ini().toStdString());
        ini.WriteInteger(SettingsSection, "left", -30000);
        ini.WriteInteger(SettingsSection, "top", 40000);
        ini.WriteString(SettingsSection, "sound", "banana");
        ini.WriteString(SettingsSection, "tongue", "7x");
        QVERIFY(Start());
        QCOMPARE(main_->pos().x(), ScreenWidth() / 2 - main_->width() / 2);
        QCOMPARE(main_->pos().y(), ScreenHeight() / 2 - main_->height() / 2);
        QCOMPARE(State().Language, -1);
        QVERIFY(main_->soundbtn->isChecked());
    }

    void lastGameIsResumedWithTheArrowsAlive() {
        QTemporaryDir dir;
        const std::string file = dir.path().toStdString() + "/mine.htk";
        GameInPlay s;
        CopyGrid(s.Grid, TargetGrid);
        s.PlayerCol = 10;
        s.PlayerRow = 3;
        s.PlayerFacing = West;
        s.MazeRestored = true;
        s.ReservedWord = 77;
        s.DoorOpen[1] = s.DoorOpen[13] = true;
        QVERIFY(WriteSavedGameFile(file, RecordFromState(s)));
        IniFile(Ini().toStdString()).WriteString(SettingsSection, "game", file);

        QVERIFY(Start());
        QVERIFY(!State().ShowStoryAtStart);
        QVERIFY(!State().MazeRestored);
        QVERIFY(GridEquals(State().Grid, TargetGrid));
        QCOMPARE(State().PlayerCol, 10);
        QCOMPARE(State().PlayerFacing, int(West));
        QVERIFY(State().DoorOpen[1] && State().DoorOpen[13] && !State().DoorOpen[2]);
        QVERIFY(State().PieceTurn[1] >= 0);
        QCOMPARE(State().PieceTurn[2], -1);
        QCOMPARE(State().ReservedWord, 77);
        QCOMPARE(State().GameFileName, file);
    }

    void aDamagedOrMissingLastGameGivesANewOne() {
        QTemporaryDir dir;
        const std::string file = dir.path().toStdString() + "/broken.htk";
        {
            std::ofstream out(file, std::ios::binary);
            out << std::string(112, '\x7f');  // tile kinds far outside 0..20
        }
        IniFile(Ini().toStdString()).WriteString(SettingsSection, "game", file);
        QVERIFY(Start());
        QVERIFY(State().ShowStoryAtStart);
        QCOMPARE(State().GameFileName, file);
        QCOMPARE(State().PlayerCol, 0);
        Stop();

        IniFile(Ini().toStdString()).WriteString(SettingsSection, "game", file + ".gone");
        QVERIFY(Start());
        QVERIFY(State().ShowStoryAtStart);
        QCOMPARE(State().GameFileName, file + ".gone");
    }

    void anAnimatedShiftEndsAsAFreshPaint_data() {
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("row");
        QTest::newRow("row 2 east") << 0 << 2;
        QTest::newRow("row 4 west") << 10 << 4;
        QTest::newRow("column 1 south") << 1 << 0;
        QTest::newRow("column 9 north") << 9 << 6;
    }

    void anAnimatedShiftEndsAsAFreshPaint() {
        QFETCH(int, col);
        QFETCH(int, row);
        QVERIFY(Start());
        main_->show();
        // Put the player on the moving line so he scrolls along.
        State().PlayerCol = col == 0 || col == 10 ? 9 : col;
        State().PlayerRow = row == 0 || row == 6 ? 5 : row;
        const QImage before = FreshPaint();
        rig_.cues.log.clear();
        RecordFrames();
        Click(col, row);
        QCOMPARE(rig_.cues.Played(), std::vector<int>{1});
        QCOMPARE(rig_.clock.waits, std::vector<int>(18, 20));
        QCOMPARE(frames_.size(), 18);
        QVERIFY(frames_.front() != before && frames_.front() != frames_.back());
        QCOMPARE(frames_.back(), FreshPaint());
        QVERIFY(!main_->box->Busy);
        QVERIFY(!main_->box->canvas.HasPixels());  // drawn straight onto the screen
    }

    void aWalkStepTakesNineFramesAndThreeFootsteps() {
        QVERIFY(Start());
        main_->show();
        RestoredGrid();
        RecordFrames();
        Click(6, 3);  // far along the row: one tile only
        QCOMPARE(State().PlayerCol, 1);
        QCOMPARE(State().PlayerRow, 3);
        QCOMPARE(rig_.cues.log, (std::vector<std::string>{"stop", "2", "stop", "2", "stop", "2"}));
        QCOMPARE(rig_.clock.waits, std::vector<int>(9, 60));
        QCOMPARE(frames_.size(), 9);
        QCOMPARE(frames_.back(), FreshPaint());
    }

    void clicksThatMatchNoRuleDoNothing() {
        QVERIFY(Start());
        RestoredGrid();
        Click(1, 2);                      // diagonal
        Click(0, 0);                      // a wall corner
        Click(3, 3, 0, 0);                // in line, but... walks one
        QCOMPARE(State().PlayerCol, 1);
        rig_.cues.log.clear();
        rig_.clock.waits.clear();
        State().PlayerCol = 9;
        Click(9, 2);                      // kind 0 is closed to the north
        main_->box->boxMouseDown(Qt::LeftButton, Qt::NoModifier, -3, 40);
        QVERIFY(rig_.cues.log.empty());
        QVERIFY(rig_.clock.waits.empty());
        // While an animation runs, clicks are not taken.
        main_->box->Busy = true;
        Click(0, 2);
        QVERIFY(rig_.cues.log.empty());
        main_->box->Busy = false;
    }

    void theExitAsksBeforeTheGameEnds() {
        QVERIFY(Start());
        main_->show();
        RestoredGrid();
        answers_ << ModalLeft;
        Click(0, 3);  // on himself, on the exit
        QCOMPARE(shown_, QStringList{"Tyesnodlg"});
        QVERIFY(main_->isVisible());
        QCOMPARE(windows_->yesnodlg->Mess->text(), QString("Do you want to forsake the king and his subjects???"));
        QCOMPARE(windows_->yesnodlg->YesBtn->text(), QString("Yes"));

        // Walking west onto the exit asks too, in German now.
        State().Language = 1;
        State().PlayerCol = 1;
        answers_ << ModalLeft;
        Click(0, 3);
        QCOMPARE(State().PlayerCol, 0);
        QCOMPARE(shown_.size(), 2);
        QCOMPARE(windows_->yesnodlg->NoBtn->text(), QString("Nein"));
        QVERIFY(main_->isVisible());
        QVERIFY(!QFile::exists(Ini()));  // nothing written on a "no"
    }

    void closingWritesTheSettingsAndTheyComeBack() {
        QVERIFY(Start());
        main_->show();
        main_->move(100, 120);
        main_->soundbtn->setChecked(false);
        State().Language = 1;
        State().GameFileName = "/tmp/somewhere/else.htk";
        answers_ << ModalDone;
        QVERIFY(main_->close());
        IniFile ini(Ini().toStdString());
        QCOMPARE(ini.ReadString(SettingsSection, "sound", "?"), std::string("0"));
        QCOMPARE(ini.ReadInteger(SettingsSection, "tongue", -5), 1);
        QCOMPARE(ini.ReadString(SettingsSection, "game", ""), std::string("/tmp/somewhere/else.htk"));
        const int left = ini.ReadInteger(SettingsSection, "left", -1);
        const int top = ini.ReadInteger(SettingsSection, "top", -1);
        Stop();

        QVERIFY(Start());
        QVERIFY(!main_->soundbtn->isChecked());
        QCOMPARE(State().Language, 1);
        QCOMPARE(State().GameFileName, std::string("/tmp/somewhere/else.htk"));
        QCOMPARE(main_->pos(), QPoint(left, top));
    }

    void restoringThePatternCelebratesOnce() {
        QVERIFY(Start());
        RestoredGrid();
        ShiftGrid(State(), 2, West);
        State().PlayerCol = 5;
        State().PlayerRow = 5;
        rig_.cues.log.clear();
        Click(0, 2);  // row 2 east brings it back
        QVERIFY(State().MazeRestored);
        QCOMPARE(rig_.cues.Played(), (std::vector<int>{1, 6}));
        QCOMPARE(shown_, QStringList{"TMazeWin"});

        // The arrows are dead now: no shift, no sound, no second window.
        rig_.cues.log.clear();
        Click(0, 2);
        Click(5, 0);
        QVERIFY(rig_.cues.Played().empty());
        QVERIFY(GridEquals(State().Grid, TargetGrid));
        QCOMPARE(shown_.size(), 1);
    }

    void noSoundWhileTheSoundButtonIsUp() {
        QVERIFY(Start());
        main_->soundbtn->setChecked(false);
        main_->PlayCue(5);
        main_->PlayCue(0);
        QCOMPARE(rig_.cues.log, (std::vector<std::string>{"stop", "stop"}));
        main_->soundbtn->setChecked(true);
        main_->PlayCue(11);
        QCOMPARE(rig_.cues.files.back(), std::string(PROGRAM_DIR) + "w11.wav");
    }

    void theThroneRoomOpensDoor13AndEndsTheSpell() {
        QVERIFY(Start());
        RestoredGrid();
        for (auto& open : State().DoorOpen) open = false;
        State().PlayerCol = 9;

        // Left without a board: the spell strikes on a zero and carries him off.
        testing::ScriptedRandom unlucky({0, 4, 2});
        rig_.dice.use = &unlucky;
        answers_ << ModalDone << ModalLeft;  // the entry message, then the room
        Click(10, 3);
        QCOMPARE(shown_, (QStringList{"TMessDlg", "TChessWin"}));
        QVERIFY(!State().DoorOpen[13]);
        QCOMPARE(rig_.cues.Played(), (std::vector<int>{2, 2, 2, 7}));
        QCOMPARE(State().PlayerCol, 5);
        QCOMPARE(State().PlayerRow, 3);
        QCOMPARE(State().PlayerFacing, int(South));

        // Done: door 13 opens, is drawn open, and the spell never comes again.
        State().PlayerCol = 10;
        State().PlayerRow = 3;
        testing::ScriptedRandom never({0, 0, 0});
        rig_.dice.use = &never;
        answers_ << ModalDone << ModalDone;
        FreshPaint();
        rig_.cues.log.clear();
        Click(10, 3);  // on himself, on the door
        QVERIFY(State().DoorOpen[13]);
        QVERIFY(never.ranges.empty());
        QVERIFY(rig_.cues.Played().empty());
        QCOMPARE(State().PlayerCol, 10);
        const QImage shown = FreshPaint();
        const QImage openDoor = windows_->stage.pictures.LabyrinthPicture.Image().copy(54, 108, 54, 54);
        QCOMPARE(shown.copy(540, 162, 54, 54).copy(0, 0, 15, 15), openDoor.copy(0, 0, 15, 15));
    }

    void theMessageWindowClosesOnAClickAnywhereOrReturn_data() {
        QTest::addColumn<bool>("byKey");
        QTest::newRow("click") << false;
        QTest::newRow("Return") << true;
    }

    void theMessageWindowClosesOnAClickAnywhereOrReturn() {
        QFETCH(bool, byKey);
        QVERIFY(Start());
        SetModalScript({});
        bool closed = false;
        QTimer::singleShot(0, [&] {
            if (byKey) {
                QTest::keyClick(windows_->MessDlg, Qt::Key_A);  // any other key leaves it open
                QVERIFY(windows_->MessDlg->isVisible());
                QTest::keyClick(windows_->MessDlg, Qt::Key_Return);
            } else {
                QTest::mouseClick(windows_->MessDlg->Mess, Qt::RightButton, {}, QPoint(100, 40));
            }
            closed = !windows_->MessDlg->isVisible();
            if (!closed) windows_->MessDlg->Finish(ModalLeft);
        });
        windows_->MessDlg->ShowModal("Damn, you have solved the riddle. You find one piece of the chess board.");
        QVERIFY(closed);
        SetModalScript([this](QDialog* window) {
            shown_ << window->objectName();
            return answers_.isEmpty() ? ModalLeft : answers_.takeFirst();
        });
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
