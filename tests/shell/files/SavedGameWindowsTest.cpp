// SPDX-License-Identifier: GPL-3.0-or-later
// Saving and loading from the tool bar: the two file windows, the names
// they make, and what happens to the game and the files on disk.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <map>
#include <memory>

#include "platform/SceneWindow.h"
#include "platform/System.h"
#include "labyrinth/Corridors.h"
#include "shell/GameWindows.h"
#include "shell/Load.h"
#include "shell/Main.h"
#include "shell/Msg.h"
#include "state/SavedGame.h"
#include "shell/Saveas.h"
#include "shell/Yesno.h"
#include "support/WindowsRig.h"

using namespace tarnwick;

namespace {

using Reply = std::function<int(QDialog*)>;

QByteArray Bytes(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteBytes(const QString& file, const QByteArray& bytes) {
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// A game worth saving: corridors half restored, three doors open.
void SampleGame(Game& game) {
    CopyGrid(game.Grid, TargetGrid);
    ShiftGrid(game, 2, West);
    ShiftGrid(game, 5, South);
    game.PlayerCol = 4;
    game.PlayerRow = 5;
    game.PlayerFacing = South;
    game.MazeRestored = true;
    for (int d = 1; d <= DoorCount; ++d) game.DoorOpen[d] = d == 2 || d == 7 || d == 13;
    game.ReservedWord = -1234;
}

}  // namespace

class SavedGameWindowsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;  // where the games of one test are saved
    std::unique_ptr<testing::WindowsRig> rig_;
    TMainForm* main_ = nullptr;
    TLoadDlg* load_ = nullptr;
    TSaveAsDlg* save_ = nullptr;
    Game& State() { return rig_->State(); }
    std::map<QString, Reply> answers_;  // by window; unanswered windows are left
    QStringList shown_;
    QStringList messages_;

    QString In(const QString& name) const { return folder_.path() + "/" + name; }

    void Answer(const QString& window, Reply answer) { answers_[window] = std::move(answer); }

    // The save window confirms the given name in the given folder.
    void SaveAs(const QString& directory, const QString& name) {
        Answer("TSaveAsDlg", [directory, name](QDialog* window) {
            auto* dlg = static_cast<TSaveAsDlg*>(window);
            dlg->SetDirectory(directory);
            dlg->FileEdit->setText(name);
            return ModalDone;
        });
    }

    void LoadFrom(const QString& directory, const QString& name) {
        Answer("TLoadDlg", [directory, name](QDialog* window) {
            auto* dlg = static_cast<TLoadDlg*>(window);
            dlg->SetDirectory(directory);
            dlg->SelectFile(name);
            return ModalDone;
        });
    }

    // The game state as the bytes a save would write.
    SavedGameBytes Snapshot() {
        return EncodeSavedGame(RecordFromState(State()));
    }

    // Windows answer from answers_ instead of running their modal loop.
    void Script() {
        SetModalScript([this](QDialog* window) {
            shown_ << window->objectName();
            if (auto* mess = qobject_cast<TMessDlg*>(window)) messages_ << mess->Mess->text();
            const auto answer = answers_.find(window->objectName());
            return answer == answers_.end() ? ModalLeft : answer->second(window);
        });
    }

private slots:
    void initTestCase() {
        Script();
    }

    void init() {
        QVERIFY(folder_.isValid());
        QDir(folder_.path()).removeRecursively();
        QDir().mkpath(folder_.path());
        answers_.clear();
        shown_.clear();
        messages_.clear();
        rig_ = std::make_unique<testing::WindowsRig>();
        QVERIFY(rig_->Ready());
        main_ = rig_->windows.MainForm;
        load_ = rig_->windows.LoadDlg;
        save_ = rig_->windows.SaveAsDlg;
        State().Language = 0;
        State().GameFileName = In("noname.htk").toStdString();
    }

    void cleanup() {
        main_ = nullptr;
        load_ = nullptr;
        save_ = nullptr;
        rig_.reset();
    }

    void savingAndLoadingBringTheGameBack() {
        SampleGame(State());
        const SavedGameBytes saved = Snapshot();

        // No saved game yet: the window opens beside the program.
        QString startedIn, nameShown;
        Answer("TSaveAsDlg", [&](QDialog* window) {
            auto* dlg = static_cast<TSaveAsDlg*>(window);
            startedIn = dlg->Directory();
            nameShown = dlg->FileEdit->text();
            dlg->SetDirectory(folder_.path());
            dlg->FileEdit->setText("mine");
            return ModalDone;
        });
        main_->StoreBtnClick();
        QCOMPARE(startedIn + "/", QString(PROGRAM_DIR));
        QCOMPARE(nameShown, QString("noname.htk"));
        QCOMPARE(State().GameFileName, In("mine.htk").toStdString());
        QCOMPARE(Bytes(In("mine.htk")).size(), 112);

        main_->NewGame();
        State().ReservedWord = 0;
        // Now the load window opens where that game lies, with it picked.
        QString picked;
        Answer("TLoadDlg", [&](QDialog* window) {
            auto* dlg = static_cast<TLoadDlg*>(window);
            startedIn = dlg->Directory();
            picked = dlg->FilePath();
            return ModalDone;
        });
        main_->LoadBtnClick();
        QCOMPARE(startedIn, folder_.path());
        QCOMPARE(picked, In("mine.htk"));
        // Grid, player, doors, the restore flag (the arrows stay dead after
        // a load) and the reserved word; the pieces of the solved rooms lie
        // on the table again.
        QVERIFY(Snapshot() == saved);
        QVERIFY(State().MazeRestored);
        for (int n = 1; n <= RoomCount; ++n) QCOMPARE(State().PieceTurn[n] >= 0, n == 2 || n == 7);
        QVERIFY(messages_.isEmpty());
    }

    void theTypedNameGetsTheGamesExtension_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::newRow("none") << "castle" << "castle.htk";
        QTest::newRow("another") << "castle.sav" << "castle.htk";
        QTest::newRow("only the last") << "castle.v2.txt" << "castle.v2.htk";
        QTest::newRow("its own") << "castle.htk" << "castle.htk";
        QTest::newRow("blanks around") << "  castle  " << "castle.htk";
        QTest::newRow("a dot at the end") << "castle." << "castle.htk";
    }

    void theTypedNameGetsTheGamesExtension() {
        QFETCH(QString, typed);
        QFETCH(QString, written);
        SaveAs(folder_.path(), typed);
        main_->StoreBtnClick();
        QCOMPARE(QDir(folder_.path()).entryList(QDir::Files), QStringList{written});
        QCOMPARE(State().GameFileName, In(written).toStdString());
    }

    void aLongPathIsKeptWhole() {
        QString deep = folder_.path();
        while (deep.size() < 300) deep += "/a-rather-long-folder-name";
        QVERIFY(QDir().mkpath(deep));
        SaveAs(deep, "game");
        main_->StoreBtnClick();
        QCOMPARE(State().GameFileName, (deep + "/game.htk").toStdString());
        QCOMPARE(Bytes(deep + "/game.htk").size(), 112);
    }

    void anEmptyNameOrCancelWritesNothing() {
        const std::string before = State().GameFileName;
        for (const QString& typed : {QString(), QString("   "), QString("sub/")}) {
            SaveAs(folder_.path(), typed);
            main_->StoreBtnClick();
        }
        answers_.clear();  // the save window is cancelled
        main_->StoreBtnClick();
        QCOMPARE(shown_, QStringList(4, "TSaveAsDlg"));
        QVERIFY(QDir(folder_.path()).isEmpty());
        QCOMPARE(State().GameFileName, before);
    }

    void quittingAndCancellingTheSaveKeepsThePreviousFile() {
        SampleGame(State());
        SaveAs(folder_.path(), "kept");
        main_->StoreBtnClick();
        const QByteArray before = Bytes(In("kept.htk"));
        main_->NewGame();
        answers_.clear();
        Answer("Tyesnodlg", [](QDialog*) { return ModalDone; });
        main_->show();
        QVERIFY(main_->close());
        QCOMPARE(shown_.mid(1), (QStringList{"Tyesnodlg", "TSaveAsDlg"}));
        QCOMPARE(Bytes(In("kept.htk")), before);
        QCOMPARE(State().GameFileName, In("kept.htk").toStdString());
    }

    void aSaveThatFailsIsToldAndHarmsNothing_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("message");
        QTest::newRow("english") << 0 << "The game could not be saved.";
        QTest::newRow("german") << 1 << "Das Spiel konnte nicht gespeichert werden.";
    }

    void aSaveThatFailsIsToldAndHarmsNothing() {
        QFETCH(int, language);
        QFETCH(QString, message);
        SampleGame(State());
        SaveAs(folder_.path(), "old");
        main_->StoreBtnClick();
        const QByteArray old = Bytes(In("old.htk"));
        State().Language = language;

        // A folder where a file is, and a folder in the way of the file.
        QVERIFY(QDir().mkdir(In("taken.htk")));
        for (const QString& typed : {In("old.htk") + "/inner", QString("taken")}) {
            SaveAs(folder_.path(), typed);
            main_->StoreBtnClick();
        }
        QCOMPARE(messages_, QStringList(2, message));
        QCOMPARE(State().GameFileName, In("old.htk").toStdString());
        QCOMPARE(Bytes(In("old.htk")), old);
        QCOMPARE(QDir(folder_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 (QStringList{"old.htk", "taken.htk"}));
    }

    void aFileTheGameCannotShowIsRefused_data() {
        QTest::addColumn<int>("offset");  // -1: the file is cut short
        QTest::addColumn<int>("value");
        QTest::newRow("empty") << -1 << 0;
        QTest::newRow("one byte short") << -1 << 111;
        QTest::newRow("tile kind 21") << 40 << 21;
        QTest::newRow("tile kind -1") << 0 << 0xffff;
        QTest::newRow("column 11") << 90 << 11;
        QTest::newRow("row -1") << 92 << 0xffff;
        QTest::newRow("facing 4") << 94 << 4;
        QTest::newRow("door flag 2") << 104 << 2;
        QTest::newRow("restore flag 2") << 111 << 2;
    }

    void aFileTheGameCannotShowIsRefused() {
        QFETCH(int, offset);
        QFETCH(int, value);
        SampleGame(State());
        SaveAs(folder_.path(), "good");
        main_->StoreBtnClick();
        QByteArray bytes = Bytes(In("good.htk"));
        if (offset < 0) {
            bytes.truncate(value);
        } else {
            bytes[offset] = char(value & 0xff);
            if (offset < 98) bytes[offset + 1] = char(value >> 8);
        }
        WriteBytes(In("bad.htk"), bytes);

        main_->NewGame();
        State().PlayerCol = 2;
        const SavedGameBytes before = Snapshot();
        State().Language = 1;
        LoadFrom(folder_.path(), "bad.htk");
        main_->LoadBtnClick();
        QVERIFY(Snapshot() == before);
        QCOMPARE(State().GameFileName, In("good.htk").toStdString());
        QCOMPARE(messages_, QStringList{"Das Spiel konnte nicht geladen werden."});
    }

    void aFileThatVanishedOrNoChoiceLoadsNothing() {
        SampleGame(State());
        SaveAs(folder_.path(), "gone");
        main_->StoreBtnClick();
        main_->NewGame();
        const SavedGameBytes before = Snapshot();

        // Picked in the list, then deleted before it is read.
        bool listed = false;
        Answer("TLoadDlg", [&](QDialog* window) {
            listed = static_cast<TLoadDlg*>(window)->SelectFile("gone.htk");
            QFile::remove(In("gone.htk"));
            return ModalDone;
        });
        main_->LoadBtnClick();
        QVERIFY(listed);
        QCOMPARE(messages_, QStringList{"The game could not be loaded."});

        // OK with nothing picked: no load, no message.
        Answer("TLoadDlg", [](QDialog* window) {
            static_cast<TLoadDlg*>(window)->FileListBox->clearSelection();
            return ModalDone;
        });
        main_->LoadBtnClick();
        QCOMPARE(messages_.size(), 1);
        QVERIFY(Snapshot() == before);
        QCOMPARE(State().GameFileName, In("gone.htk").toStdString());
    }

    void theWindowsSpeakTheCurrentLanguageAndItFits() {
        State().Language = 1;
        main_->StoreBtnClick();
        main_->LoadBtnClick();
        QCOMPARE(save_->windowTitle(), QString("Spiel speichern als ..."));
        QCOMPARE(load_->CancelBtn->text(), QString("Abbruch"));
        State().Language = -1;
        main_->LoadBtnClick();
        QCOMPARE(load_->windowTitle(), QString("Load game"));
        QCOMPARE(load_->CancelBtn->text(), QString("Escape"));
        for (int language : {0, 1}) {
            State().Language = language;
            save_->FormActivate();
            load_->FormActivate();
            for (QDialog* window : {static_cast<QDialog*>(save_), static_cast<QDialog*>(load_)}) {
                for (QLabel* label : window->findChildren<QLabel*>())
                    QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(label->text()));
            }
        }
    }

    void enterSavesTheTypedNameAndEscapeNothing() {
        WriteBytes(In("other.htk"), QByteArray(112, 0));
        State().GameFileName = In("other.htk").toStdString();
        SetModalScript({});
        const auto guard = qScopeGuard([this] { Script(); });
        // The file list takes the focus as the window closes: that must not
        // put one of its names over the typed one.
        QTimer::singleShot(0, [this] {
            QTest::keyClicks(save_->FileEdit, "typed");
            QTest::keyClick(save_->FileEdit, Qt::Key_Return);
        });
        main_->StoreBtnClick();
        QCOMPARE(QString::fromStdString(State().GameFileName), In("typed.htk"));
        QTimer::singleShot(0, [this] { QTest::keyClick(save_->FileEdit, Qt::Key_Escape); });
        main_->StoreBtnClick();
        QCOMPARE(QDir(folder_.path()).entryList(QDir::Files), (QStringList{"other.htk", "typed.htk"}));
    }

    void theListsAreWorkedWithTheMouse() {
        WriteBytes(In("b-second.htk"), QByteArray(112, 0));
        WriteBytes(In("A-first.HTK"), QByteArray(112, 0));
        WriteBytes(In("notes.txt"), "x");
        QVERIFY(QDir().mkdir(In("inner")));
        WriteBytes(In("inner/deeper.htk"), QByteArray(112, 0));
        State().GameFileName = In("b-second.htk").toStdString();
        SetModalScript({});

        // The real window: a click on a file names it, a double click on a
        // folder enters it, a double click on a file saves at once. (The
        // double clicks are the list's own signal: the offscreen platform
        // does not make them from two presses.)
        QString typedAfterClick;
        QStringList listed, listedInside;
        QWidget* focused = nullptr;
        QTimer::singleShot(0, [&] {
            const auto closeAnyway = qScopeGuard([&] { if (save_->isVisible()) save_->done(ModalLeft); });
            QListWidget* files = save_->FileListBox;
            for (int i = 0; i < files->count(); ++i) listed << files->item(i)->text();
            focused = save_->focusWidget();
            const QRect first = files->visualItemRect(files->item(0));
            QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, first.center());
            typedAfterClick = save_->FileEdit->text();

            QListWidget* dirs = save_->DirectoryListBox;
            const auto inner = dirs->findItems("inner", Qt::MatchExactly);
            if (inner.isEmpty()) return;
            emit dirs->itemDoubleClicked(inner.first());
            QCoreApplication::processEvents();
            for (int i = 0; i < files->count(); ++i) listedInside << files->item(i)->text();
            emit files->itemDoubleClicked(files->item(0));
        });
        main_->StoreBtnClick();
        QCOMPARE(focused, save_->FileEdit);
        QCOMPARE(listed, (QStringList{"A-first.HTK", "b-second.htk"}));
        QCOMPARE(typedAfterClick, QString("A-first.HTK"));
        QCOMPARE(listedInside, QStringList{"deeper.htk"});
        QCOMPARE(State().GameFileName, In("inner/deeper.htk").toStdString());
        QVERIFY(!save_->isVisible());

        // The load window closes on a double click too, with the game read.
        QTimer::singleShot(0, [&] {
            const auto closeAnyway = qScopeGuard([&] { if (load_->isVisible()) load_->done(ModalLeft); });
            focused = load_->focusWidget();
            load_->SetDirectory(folder_.path());
            QListWidget* files = load_->FileListBox;
            files->setCurrentRow(1);
            emit files->itemDoubleClicked(files->item(1));
        });
        main_->LoadBtnClick();
        QCOMPARE(focused, load_->OKBtn);
        QCOMPARE(State().GameFileName, In("b-second.htk").toStdString());
        QCOMPARE(State().Grid[3][5], int(CorridorEW));  // the all-zero game
        QCOMPARE(State().PlayerRow, 0);
        Script();
    }

    // An installed game cannot write beside its data files: its first game
    // is named in the user's data folder, which the first save makes and the
    // save window opens in.
    void anInstalledGameSavesWhereTheUserLives() {
        QTemporaryDir installed, userHome;
        for (const char* name : {"b1.bmp", "b2.bmp", "b3.bmp", "b5.bmp", "b6.bmp", "b8.bmp"})
            QVERIFY(QFile::copy(QString(PROGRAM_DIR) + name, installed.path() + "/" + name));
        QFile::setPermissions(installed.path(), QFile::ReadOwner | QFile::ExeOwner);
        const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
        const auto writable = qScopeGuard([&] {
            QFile::setPermissions(installed.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            qputenv("XDG_DATA_HOME", dataHome);
            SetProgramFolder(PROGRAM_DIR);
        });
        if (CanWriteFolder(installed.path().toStdString() + "/"))
            QSKIP("this user writes even into write-protected folders (the installed-game test covers it)");
        qputenv("XDG_DATA_HOME", userHome.path().toUtf8());
        SetProgramFolder(installed.path().toStdString() + "/");
        rig_ = std::make_unique<testing::WindowsRig>();
        QVERIFY(rig_->Ready());
        main_ = rig_->windows.MainForm;

        const QString own = userHome.path() + "/tarnwick";
        QCOMPARE(QString::fromStdString(State().GameFileName), own + "/noname.htk");
        QVERIFY(!QFileInfo::exists(own));
        QString startedIn;
        Answer("TSaveAsDlg", [&](QDialog* window) {
            startedIn = static_cast<TSaveAsDlg*>(window)->Directory();
            return ModalDone;
        });
        main_->StoreBtnClick();
        QCOMPARE(startedIn, own);
        QCOMPARE(Bytes(own + "/noname.htk").size(), 112);
        QVERIFY(messages_.isEmpty());
    }
};

QTEST_MAIN(SavedGameWindowsTest)
#include "SavedGameWindowsTest.moc"
