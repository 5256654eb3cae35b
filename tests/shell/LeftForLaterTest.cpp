// SPDX-License-Identifier: GPL-3.0-or-later
// What start-up leaves for later: the windows the player has not opened
// yet hold no drawing surfaces, no decoded pictures and (the file windows)
// no controls, the clip decoder
// is loaded when the clip's page first comes, and the sound system at the
// first cue that is to be heard. A picture whose absence ends the program
// is still missed at start-up.
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "labyrinth/Maze.h"
#include "labyrinth/Puzzle.h"
#include "pages/Help.h"
#include "pages/Intro.h"
#include "platform/GameModule.h"
#include "platform/LazyCuePlayer.h"
#include "platform/System.h"
#include "riddles/frame/RiddleWin.h"
#include "shell/GameWindows.h"
#include "shell/Load.h"
#include "shell/Main.h"
#include "shell/Msg.h"
#include "shell/Saveas.h"
#include "shell/Splasher.h"
#include "shell/Yesno.h"
#include "support/GameRig.h"
#include "throne/Chess.h"
#include "throne/ChessTable.h"
#include "state/Cues.h"
#include "throne/Done.h"

using namespace tarnwick;

namespace {

// Whether a shared library whose file name starts with `name` is loaded.
bool Loaded(const char* name) {
    QFile maps("/proc/self/maps");
    if (!maps.open(QIODevice::ReadOnly)) return false;
    return maps.readAll().contains(QByteArray("/") + name);
}

}  // namespace

class LeftForLaterTest : public QObject {
    Q_OBJECT

private:
    testing::GameRig rig_;

private slots:
    void initTestCase() {
        SetGameModuleFolder(PROGRAM_DIR);
        SetModalScript([](QDialog*) { return ModalDone; });
    }

    // One run through, in the order a player meets these things.
    void theGameStartsWithoutWhatItDoesNotShowYet() {
        QVERIFY(!Loaded("libavcodec"));
        QVERIFY(!Loaded("libQt6Multimedia"));
        LazyCuePlayer sound;
        GameWindows windows(rig_.clock, rig_.dice, sound);
        QVERIFY(windows.MakeAll());
        windows.game.Language = 0;
        // No scene is made before it is wanted.
        QVERIFY(!windows.Splash.IfMade() && !windows.IntroWin.IfMade() && !windows.MessDlg.IfMade() &&
                !windows.HelpWin.IfMade() && !windows.LoadDlg.IfMade() && !windows.DoneWin.IfMade() &&
                !windows.PuzzleWin.IfMade() && !windows.ChessWin.IfMade());
        for (int room = 1; room <= RoomCount; ++room) QVERIFY(!windows.RiddleWindows[room].IfMade());
        TMainForm& main = *windows.MainForm;
        TPuzzleWin& puzzle = *windows.PuzzleWin;
        TChessWin& chess = *windows.ChessWin;
        TIntroWin& intro = *windows.IntroWin;
        const SharedPictures& pictures = windows.stage.pictures;

        // Of the shared pictures only the labyrinth, on the first frame, is
        // there from the start; nothing else is.
        QVERIFY(pictures.LabyrinthPicture.HasPixels());
        QVERIFY(!pictures.RiddlePicture.HasPixels());
        QVERIFY(!pictures.MessagePicture.HasPixels());
        QVERIFY(!puzzle.RoomPicture.HasPixels());
        QVERIFY(!chess.ThronePicture.HasPixels());
        QVERIFY(!chess.PiecesPicture.HasPixels());
        std::vector<const SceneWindow*> scenes = {windows.Splash, &intro, &puzzle, &chess, windows.yesnodlg,
                                                  windows.MessDlg, windows.DoneWin, windows.MazeWin, windows.HelpWin};
        for (int room = 1; room <= RoomCount; ++room) scenes.push_back(windows.RiddleWindows[room]);
        for (const SceneWindow* scene : scenes)
            QVERIFY2(!scene->surface()->canvas.HasPixels(), qPrintable(scene->objectName()));
        QVERIFY(!main.box->canvas.HasPixels());
        QVERIFY(!windows.LoadDlg->OKBtn && !windows.LoadDlg->FileListBox);
        QVERIFY(!windows.SaveAsDlg->OKBtn && !windows.SaveAsDlg->FileEdit);
        QVERIFY(!Loaded("libavcodec"));
        QVERIFY(!Loaded("libQt6Multimedia"));

        // The labyrinth is drawn with no picture of its own; the door room
        // has its picture at its first drawing.
        main.box->grab();
        QVERIFY(!main.box->canvas.HasPixels());
        puzzle.Room = 3;
        puzzle.Paint();
        QVERIFY(puzzle.RoomPicture.HasPixels());
        Picture b1;
        QVERIFY(b1.LoadBmp(PROGRAM_DIR "b1.bmp"));
        QCOMPARE(puzzle.surface()->canvas.Image(), b1.Image().copy(0, 0, 400, 300));

        // The throne room with no piece won yet needs no pieces picture.
        chess.Paint();
        QVERIFY(chess.ThronePicture.HasPixels());
        QVERIFY(!chess.PiecesPicture.HasPixels());
        Picture b3;
        QVERIFY(b3.LoadBmp(PROGRAM_DIR "b3.bmp"));
        QCOMPARE(chess.surface()->canvas.Image(), b3.Image().copy(0, 0, 400, 300));
        PlacePiece(windows.game, 5, rig_.dice);
        chess.Paint();
        QVERIFY(chess.PiecesPicture.HasPixels());
        QVERIFY(chess.surface()->canvas.Image() != b3.Image().copy(0, 0, 400, 300));
        windows.game.PieceTurn[5] = -1;

        // The file windows get their controls at their first showing.
        TSaveAsDlg& save = *windows.SaveAsDlg;
        QCOMPARE(save.ShowModal(PROGRAM_DIR), ModalDone);
        QVERIFY(save.FileEdit && save.OKBtn->isDefault());
        QVERIFY(save.DirectoryListBox->count() > 0);  // the folder was read
        QVERIFY(!windows.LoadDlg->OKBtn);

        // Cues with the sound button up load nothing, the first one to be
        // heard loads the sound system.
        main.soundbtn->setChecked(false);
        main.PlayCue(CueShift);
        main.PlayCue(0);
        QVERIFY(!sound.Tried());
        QVERIFY(!Loaded("libQt6Multimedia"));

        // The story up to page 3 leaves the clip decoder unloaded; page 4 loads it.
        intro.Activate();
        intro.NextPage();
        intro.NextPage();
        QVERIFY(!Loaded("libavcodec"));
        intro.NextPage();
        QVERIFY(!intro.ClipFailed);
        QVERIFY(intro.MediaPlayer1->IsPlaying());
        QVERIFY(Loaded("libavcodec"));
        QVERIFY(!Loaded("libQt6Multimedia"));
        intro.MediaPlayer1->Pause();

        main.soundbtn->setChecked(true);
        main.PlayCue(CueShift);
        QVERIFY(sound.Loaded());
        QVERIFY(Loaded("libQt6Multimedia"));
        main.PlayCue(0);
    }

    void withoutTheSoundModuleEveryCueIsSilence() {
        QTemporaryDir empty;
        SetGameModuleFolder(empty.path());
        LazyCuePlayer sound;
        sound.Stop();
        sound.Play(CueShift, PROGRAM_DIR "w1.wav");
        sound.Play(CueFootstep, PROGRAM_DIR "w2.wav");
        sound.Stop();
        SetGameModuleFolder(PROGRAM_DIR);
        QVERIFY(sound.Tried());
        QVERIFY(!sound.Loaded());
    }

    void aWindowPictureThatIsMissingIsStillMissedAtStartUp_data() {
        QTest::addColumn<QString>("missing");
        QTest::newRow("door room") << "b1.bmp";
        QTest::newRow("throne room") << "b3.bmp";
        QTest::newRow("pieces") << "b8.bmp";
        QTest::newRow("pieces, not a picture") << "b8.bmp as text";
    }

    void aWindowPictureThatIsMissingIsStillMissedAtStartUp() {
        QFETCH(QString, missing);
        QTemporaryDir folder;
        for (const char* name : {"b1.bmp", "b3.bmp", "b8.bmp"})
            if (!missing.startsWith(name))
                QVERIFY(QFile::copy(QString(PROGRAM_DIR) + name, folder.path() + "/" + name));
        if (missing.endsWith("as text")) {
            QFile file(folder.path() + "/b8.bmp");
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("BM, they said, but it is only words.");
        }
        testing::StageRig rig;
        rig.game.ProgramDir = folder.path().toStdString() + "/";
        QStringList errors;
        SetErrorBoxScript([&](const QString& text) { errors << text; });
        RiddleWindowTable noRiddles{};
        TPuzzleWin puzzle(rig.stage, noRiddles);
        TChessWin chess(rig.stage);
        const bool room = puzzle.FormCreate();
        const bool throne = chess.FormCreate();
        SetErrorBoxScript({});
        QCOMPARE(room, missing != "b1.bmp");
        QCOMPARE(throne, missing == "b1.bmp");
        // Every one of them is named in the error box.
        QCOMPARE(errors.size(), 1);
        QVERIFY(errors[0].contains(missing.left(6)));
    }
};

QTEST_MAIN(LeftForLaterTest)
#include "LeftForLaterTest.moc"
