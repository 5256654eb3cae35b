// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game and every window of it, each made once and unmade in the reverse
// order: the game's state, the stage that hands it to the scenes together
// with the clock, the dice and the cue player, and each window by its name.
// The main window is made at start; every other scene the first time it is
// wanted, so the first frame waits for nothing it does not show. Tests that
// play the whole game make the same set with services of their own.
#include <functional>
#include <vector>

#include "labyrinth/Puzzle.h"
#include "platform/CuePlayer.h"
#include "platform/OnDemand.h"
#include "stage/Stage.h"
#include "state/Game.h"

namespace tarnwick {

class TMainForm;
class TTongueDlg;
class TInfoDialog;
class TSplash;
class TIntroWin;
class TChessWin;
class Tyesnodlg;
class TMessDlg;
class TDoneWin;
class TMazeWin;
class TLoadDlg;
class TSaveAsDlg;
class THelpWin;

class GameWindows {
public:
    GameWindows(Clock& clock, Random& random, CuePlayer& cues);
    GameWindows(const GameWindows&) = delete;
    GameWindows& operator=(const GameWindows&) = delete;
    ~GameWindows();

    // Makes the main window, checks the pictures of the door and throne
    // rooms and readies every other window to be made when first wanted;
    // hands each the others it opens. False when a window's pictures are
    // missing (the error box has then been shown): the program must end.
    bool MakeAll();

    Game game;
    Stage stage;

    TMainForm* MainForm = nullptr;
    OnDemand<TTongueDlg> TongueDlg;
    OnDemand<TInfoDialog> InfoDialog;
    OnDemand<TSplash> Splash;
    OnDemand<TIntroWin> IntroWin;
    OnDemand<TPuzzleWin> PuzzleWin;
    OnDemand<TChessWin> ChessWin;
    OnDemand<Tyesnodlg> yesnodlg;
    OnDemand<TMessDlg> MessDlg;
    OnDemand<TDoneWin> DoneWin;
    OnDemand<TMazeWin> MazeWin;
    RiddleWindowTable RiddleWindows{};
    OnDemand<TLoadDlg> LoadDlg;
    OnDemand<TSaveAsDlg> SaveAsDlg;
    OnDemand<THelpWin> HelpWin;

private:
    // A new window under its name, unmade with the others.
    template <typename Window, typename... Args>
    Window* Make(Window*& name, Args&&... args) {
        return Adopt(name, new Window(std::forward<Args>(args)...));
    }
    template <typename Window>
    Window* Adopt(Window*& name, Window* window);
    // A window made by `make` the first time it is wanted, then unmade with
    // the others.
    template <typename Window, typename Maker>
    void Later(OnDemand<Window>& name, Maker make);

    CuePlayer& cues_;
    std::vector<std::function<void()>> unmake_;
};

}  // namespace tarnwick
