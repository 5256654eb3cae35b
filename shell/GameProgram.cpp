#include "shell/GameProgram.h"

#include <QApplication>
#include <QTimer>
#include <functional>
#include <vector>

#include "labyrinth/Maze.h"
#include "labyrinth/Puzzle.h"
#include "pages/Help.h"
#include "pages/Intro.h"
#include "platform/WaveCuePlayer.h"
#include "platform/WindowRoles.h"
#include "riddles/Riddle1.h"
#include "platform/Cues.h"
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

namespace {

// Every window of the game: made once, each known by its global name, and
// unmade in the reverse order of making, the names cleared with them.
class GameWindows {
public:
    GameWindows() = default;
    GameWindows(const GameWindows&) = delete;
    GameWindows& operator=(const GameWindows&) = delete;
    ~GameWindows() {
        for (auto unmake = unmake_.rbegin(); unmake != unmake_.rend(); ++unmake) (*unmake)();
    }

    template <typename Window>
    Window* Make(Window*& name) {
        auto* window = new Window;
        name = window;
        unmake_.push_back([window, &name] {
            name = nullptr;
            delete window;
        });
        return window;
    }

private:
    std::vector<std::function<void()>> unmake_;
};

// The cue player lives as long as the game and is let go before it.
class GameSound {
public:
    GameSound() { SetGameCuePlayer(&player_); }
    ~GameSound() { SetGameCuePlayer(nullptr); }

private:
    WaveCuePlayer player_;
};

}  // namespace

int RunTarnwick(int argc, char* argv[], const std::function<void(TMainForm&)>& started) {
    QApplication app(argc, argv);
    app.setApplicationName("Tarnwick");
    NameWindowsForTheDesktop(app);
    GameSound sound;
    GameWindows windows;

    // The fixed order of making; a window whose pictures are missing ends
    // the program at once.
    TMainForm* mainForm = windows.Make(MainForm);
    if (!mainForm->FormCreate()) return 1;
    windows.Make(TongueDlg);
    windows.Make(InfoDialog);
    windows.Make(Splash);
    windows.Make(IntroWin)->FormCreate();
    if (!windows.Make(PuzzleWin)->FormCreate()) return 1;
    if (!windows.Make(ChessWin)->FormCreate()) return 1;
    windows.Make(yesnodlg);
    windows.Make(MessDlg);
    windows.Make(DoneWin);
    windows.Make(MazeWin);
    windows.Make(Riddle1Win);
    windows.Make(LoadDlg);
    windows.Make(SaveAsDlg);
    windows.Make(HelpWin)->FormCreate();

    mainForm->show();
    QTimer::singleShot(0, mainForm, [mainForm] { mainForm->Activate(); });
    if (started) started(*mainForm);
    return app.exec();
}

}  // namespace tarnwick
