// SPDX-License-Identifier: GPL-3.0-or-later
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

template <typename Window, typename Maker>
void GameWindows::Later(OnDemand<Window>& name, Maker make) {
    OnDemand<Window>* slot = &name;
    name.MakeWith([this, slot, make]() -> Window* {
        Window* window = make();
        unmake_.push_back([window, slot] {
            slot->Forget();
            delete window;
        });
        return window;
    });
}

bool GameWindows::MakeAll() {
    if (!Make(MainForm, *this, cues_)->FormCreate()) return false;
    Later(TongueDlg, [this] { return new TTongueDlg(game); });
    Later(InfoDialog, [this] { return new TInfoDialog(*this); });
    Later(Splash, [this] { return new TSplash(game); });
    Later(IntroWin, [this] {
        auto* intro = new TIntroWin(stage);
        intro->FormCreate();
        return intro;
    });
    // The door and throne rooms are made when first entered, but a picture
    // of theirs that cannot be read ends the game at start.
    if (!TPuzzleWin::CheckPictures(game) || !TChessWin::CheckPictures(game)) return false;
    Later(PuzzleWin, [this] {
        auto* door = new TPuzzleWin(stage, RiddleWindows);
        door->FormCreate();
        return door;
    });
    Later(ChessWin, [this] {
        auto* throne = new TChessWin(stage);
        throne->FormCreate();
        throne->DoneWin = DoneWin;
        return throne;
    });
    Later(yesnodlg, [this] { return new Tyesnodlg(stage); });
    Later(MessDlg, [this] { return new TMessDlg(stage); });
    Later(DoneWin, [this] { return new TDoneWin(stage); });
    Later(MazeWin, [this] { return new TMazeWin(stage); });
    for (int room : RiddleMakingOrder) Later(RiddleWindows[room], [this, room] { return MakeRiddleWindow(stage, room); });
    Later(LoadDlg, [this] { return new TLoadDlg(game); });
    Later(SaveAsDlg, [this] { return new TSaveAsDlg(game); });
    Later(HelpWin, [this] {
        auto* help = new THelpWin(stage);
        help->FormCreate();
        return help;
    });

    // The scenes each window opens.
    MainForm->box->PuzzleWin = PuzzleWin;
    MainForm->box->ChessWin = ChessWin;
    MainForm->box->MazeWin = MazeWin;
    return true;
}

}  // namespace tarnwick
