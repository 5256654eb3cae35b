#include "shell/GameWindows.h"

#include "labyrinth/Maze.h"
#include "pages/Help.h"
#include "pages/Intro.h"
#include "riddles/Rooms.h"
#include "shell/Infodlg.h"
#include "shell/Load.h"
#include "shell/Main.h"
#include "shell/Msg.h"
#include "shell/Saveas.h"
#include "shell/Splasher.h"
#include "shell/Tongdlg.h"
#include "shell/Yesno.h"
#include "throne/Chess.h"
#include "throne/Done.h"

namespace tarnwick {

GameWindows::GameWindows(Clock& clock, Random& random, CuePlayer& cues)
    : stage(game, clock, random), cues_(cues) {
    stage.playCue = [this](int cue) {
        if (MainForm) MainForm->PlayCue(cue);
    };
    stage.say = [this](const QString& text) {
        if (MessDlg) MessDlg->ShowModal(text);
    };
    stage.ask = [this](const QString& question) {
        return yesnodlg && yesnodlg->ShowModal(question) == ModalDone;
    };
}

GameWindows::~GameWindows() {
    for (auto unmake = unmake_.rbegin(); unmake != unmake_.rend(); ++unmake) (*unmake)();
}

template <typename Window>
Window* GameWindows::Adopt(Window*& name, Window* window) {
    name = window;
    unmake_.push_back([window, &name] {
        name = nullptr;
        delete window;
    });
    return window;
}

bool GameWindows::MakeAll() {
    if (!Make(MainForm, *this, cues_)->FormCreate()) return false;
    Make(TongueDlg, game);
    Make(InfoDialog, *this);
    Make(Splash, game);
    Make(IntroWin, stage)->FormCreate();
    if (!Make(PuzzleWin, stage, RiddleWindows)->FormCreate()) return false;
    if (!Make(ChessWin, stage)->FormCreate()) return false;
    Make(yesnodlg, stage);
    Make(MessDlg, stage);
    Make(DoneWin, stage);
    Make(MazeWin, stage);
    for (int room : RiddleMakingOrder) Adopt(RiddleWindows[room], MakeRiddleWindow(stage, room));
    Make(LoadDlg, game);
    Make(SaveAsDlg, game);
    Make(HelpWin, stage)->FormCreate();

    // The scenes each window opens.
    MainForm->box->PuzzleWin = PuzzleWin;
    MainForm->box->ChessWin = ChessWin;
    MainForm->box->MazeWin = MazeWin;
    ChessWin->DoneWin = DoneWin;
    return true;
}

}  // namespace tarnwick
