#pragma once
// The game and every window of it, made once in their fixed order and
// unmade in the reverse order: the game's state, the stage that hands it
// to the scenes together with the clock, the dice and the cue player, and
// each window by its name. The program makes them at start; tests that play
// the whole game make the same set with services of their own.
#include <functional>
#include <vector>

#include "labyrinth/Puzzle.h"
#include "platform/CuePlayer.h"
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

    // Makes every window in the fixed order and hands each the others it
    // opens. False when a window's pictures are missing (the error box has
    // then been shown): the program must end.
    bool MakeAll();

    Game game;
    Stage stage;

    TMainForm* MainForm = nullptr;
    TTongueDlg* TongueDlg = nullptr;
    TInfoDialog* InfoDialog = nullptr;
    TSplash* Splash = nullptr;
    TIntroWin* IntroWin = nullptr;
    TPuzzleWin* PuzzleWin = nullptr;
    TChessWin* ChessWin = nullptr;
    Tyesnodlg* yesnodlg = nullptr;
    TMessDlg* MessDlg = nullptr;
    TDoneWin* DoneWin = nullptr;
    TMazeWin* MazeWin = nullptr;
    RiddleWindowTable RiddleWindows{};
    TLoadDlg* LoadDlg = nullptr;
    TSaveAsDlg* SaveAsDlg = nullptr;
    THelpWin* HelpWin = nullptr;

private:
    // A new window under its name, unmade with the others.
    template <typename Window, typename... Args>
    Window* Make(Window*& name, Args&&... args) {
        return Adopt(name, new Window(std::forward<Args>(args)...));
    }
    template <typename Window>
    Window* Adopt(Window*& name, Window* window);

    CuePlayer& cues_;
    std::vector<std::function<void()>> unmake_;
};

}  // namespace tarnwick
