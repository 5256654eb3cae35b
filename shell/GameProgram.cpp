#include "shell/GameProgram.h"

#include <QApplication>
#include <QTimer>
#include <memory>

#include "labyrinth/Maze.h"
#include "labyrinth/Puzzle.h"
#include "pages/Help.h"
#include "pages/Intro.h"
#include "riddles/Riddle1.h"
#include "throne/Chess.h"
#include "throne/Done.h"
#include "platform/WaveCuePlayer.h"
#include "shell/Cues.h"
#include "shell/Infodlg.h"
#include "shell/Load.h"
#include "shell/Saveas.h"
#include "shell/Splasher.h"
#include "shell/Tongdlg.h"
#include "shell/Main.h"
#include "shell/Msg.h"
#include "shell/Yesno.h"

namespace tarnwick {

int RunTarnwick(int argc, char* argv[], const std::function<void(TMainForm&)>& started) {
    QApplication app(argc, argv);
    app.setApplicationName("Tarnwick");

    WaveCuePlayer cues;
    SetGameCuePlayer(&cues);

    auto mainForm = std::make_unique<TMainForm>();
    if (!mainForm->FormCreate()) {
        SetGameCuePlayer(nullptr);
        return 1;
    }
    auto tongue = std::make_unique<TTongueDlg>();
    TongueDlg = tongue.get();
    auto info = std::make_unique<TInfoDialog>();
    InfoDialog = info.get();
    auto splash = std::make_unique<TSplash>();
    Splash = splash.get();
    auto intro = std::make_unique<TIntroWin>();
    IntroWin = intro.get();
    intro->FormCreate();
    auto puzzle = std::make_unique<TPuzzleWin>();
    PuzzleWin = puzzle.get();
    if (!puzzle->FormCreate()) {
        SetGameCuePlayer(nullptr);
        return 1;
    }
    auto chess = std::make_unique<TChessWin>();
    ChessWin = chess.get();
    if (!chess->FormCreate()) {
        SetGameCuePlayer(nullptr);
        return 1;
    }
    auto yesno = std::make_unique<Tyesnodlg>();
    yesnodlg = yesno.get();
    auto mess = std::make_unique<TMessDlg>();
    MessDlg = mess.get();
    auto done = std::make_unique<TDoneWin>();
    DoneWin = done.get();
    auto maze = std::make_unique<TMazeWin>();
    MazeWin = maze.get();
    auto riddle1 = std::make_unique<TRiddle1Win>();
    Riddle1Win = riddle1.get();
    RiddleWindows[1] = riddle1.get();
    auto load = std::make_unique<TLoadDlg>();
    LoadDlg = load.get();
    auto saveAs = std::make_unique<TSaveAsDlg>();
    SaveAsDlg = saveAs.get();
    auto help = std::make_unique<THelpWin>();
    HelpWin = help.get();
    help->FormCreate();

    mainForm->show();
    QTimer::singleShot(0, mainForm.get(), [&] { mainForm->Activate(); });
    if (started) started(*mainForm);
    const int result = app.exec();

    // Windows go in the reverse order of their making.
    HelpWin = nullptr;
    help.reset();
    SaveAsDlg = nullptr;
    saveAs.reset();
    LoadDlg = nullptr;
    load.reset();
    RiddleWindows[1] = nullptr;
    riddle1.reset();
    maze.reset();
    DoneWin = nullptr;
    done.reset();
    mess.reset();
    yesno.reset();
    ChessWin = nullptr;
    chess.reset();
    PuzzleWin = nullptr;
    puzzle.reset();
    IntroWin = nullptr;
    intro.reset();
    Splash = nullptr;
    splash.reset();
    InfoDialog = nullptr;
    info.reset();
    TongueDlg = nullptr;
    tongue.reset();
    mainForm.reset();
    SetGameCuePlayer(nullptr);
    return result;
}

}  // namespace tarnwick
