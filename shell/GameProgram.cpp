#include "shell/GameProgram.h"

#include <QApplication>
#include <QTimer>
#include <memory>

#include "labyrinth/Maze.h"
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
    auto yesno = std::make_unique<Tyesnodlg>();
    yesnodlg = yesno.get();
    auto mess = std::make_unique<TMessDlg>();
    MessDlg = mess.get();
    auto maze = std::make_unique<TMazeWin>();
    MazeWin = maze.get();

    mainForm->show();
    QTimer::singleShot(0, mainForm.get(), [&] { mainForm->Activate(); });
    if (started) started(*mainForm);
    const int result = app.exec();

    // Windows go in the reverse order of their making.
    maze.reset();
    mess.reset();
    yesno.reset();
    mainForm.reset();
    SetGameCuePlayer(nullptr);
    return result;
}

}  // namespace tarnwick
