#include "shell/GameWindows.h"

#include "labyrinth/Maze.h"
#include "labyrinth/Puzzle.h"
#include "pages/Help.h"
#include "pages/Intro.h"
#include "platform/Cues.h"
#include "riddles/RiddleRooms.h"
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

GameWindows::~GameWindows() {
    for (auto unmake = unmake_.rbegin(); unmake != unmake_.rend(); ++unmake) (*unmake)();
}

bool GameWindows::MakeAll() {
    TMainForm* mainForm = Make(MainForm);
    if (!mainForm->FormCreate()) return false;
    Make(TongueDlg);
    Make(InfoDialog);
    Make(Splash);
    Make(IntroWin)->FormCreate();
    if (!Make(PuzzleWin)->FormCreate()) return false;
    if (!Make(ChessWin)->FormCreate()) return false;
    Make(yesnodlg);
    Make(MessDlg);
    Make(DoneWin);
    Make(MazeWin);
    for (int room : RiddleMakingOrder) {
        TRiddleWin* riddle = Keep(MakeRiddleWindow(room));
        if (!riddle) continue;
        riddle->UsePictures({&mainForm->RiddlePicture, &mainForm->RoomBackground, &mainForm->DragSaveArea});
        riddle->UseCues([mainForm](int cue) { mainForm->PlayCue(cue); });
    }
    Make(LoadDlg);
    Make(SaveAsDlg);
    Make(HelpWin)->FormCreate();
    return true;
}

GameSound::GameSound() { SetGameCuePlayer(&player_); }
GameSound::~GameSound() { SetGameCuePlayer(nullptr); }

}  // namespace tarnwick
