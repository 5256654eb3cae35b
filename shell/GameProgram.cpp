#include "shell/GameProgram.h"

#include <QApplication>
#include <QTimer>
#include <memory>

#include "labyrinth/Maze.h"
#include "labyrinth/Puzzle.h"
#include "riddles/Riddle1.h"
#include "throne/Chess.h"
#include "throne/Done.h"
#include "platform/WaveCuePlayer.h"
#include "shell/Cues.h"
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

    mainForm->show();
    QTimer::singleShot(0, mainForm.get(), [&] { mainForm->Activate(); });
    if (started) started(*mainForm);
    const int result = app.exec();

    // Windows go in the reverse order of their making.
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
    mainForm.reset();
    SetGameCuePlayer(nullptr);
    return result;
}

}  // namespace tarnwick
