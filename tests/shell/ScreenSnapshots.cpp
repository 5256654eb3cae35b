// Renders the main window, room 1 and the small windows to PNG files, for
// looking at them the way the player sees them, at the scale factor given
// in QT_SCALE_FACTOR (rounded as the game rounds it).
//   screen_snapshots OUTPUT_FOLDER
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <cstdio>

#include "platform/FocusFrameStyle.h"
#include "platform/SceneWindow.h"
#include "platform/System.h"
#include "platform/WholeScale.h"
#include "riddles/Riddle1.h"
#include "shell/GameState.h"
#include "shell/Infodlg.h"
#include "shell/Main.h"
#include "shell/Msg.h"
#include "shell/Tongdlg.h"
#include "shell/Yesno.h"

using namespace tarnwick;

namespace {

QString out;

// Shows the window, puts the keyboard focus on `focus` (when given) and
// saves what the window shows.
void Snap(QWidget& window, const char* name, QWidget* focus = nullptr) {
    window.show();
    window.activateWindow();
    if (focus) focus->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    window.grab().save(QString("%1/%2.png").arg(out, name));
    window.hide();
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    UseWholeScaleFactors();
    QApplication app(argc, argv);
    UseFocusFrameStyle();
    out = argc > 1 ? QString(argv[1]) : QString(".");
    QDir().mkpath(out);
    SetProgramFolder(PROGRAM_DIR);
    Language = 0;

    TMainForm main;
    if (!main.FormCreate()) return 1;
    main.SetHints();
    main.setWindowTitle("Tarnwick V1.3");
    Snap(main, "main");

    TMessDlg mess;
    MessDlg = &mess;
    // Room 1 at its first level, as the door room opens it: the entry
    // message is answered, the room pictured.
    TRiddle1Win riddle;
    SetModalScript([&riddle](QDialog* window) {
        if (window != &riddle) return ModalDone;
        riddle.Activate();
        riddle.Paint();
        Snap(riddle, "riddle1", riddle.HelpBtn);
        return ModalLeft;
    });
    riddle.ShowModal(1);
    SetModalScript({});

    mess.Mess->setText("Damn, you have solved the riddle. You find one piece of the chess board.");
    Snap(mess, "message");

    Tyesnodlg yesno;
    SetModalScript([&yesno](QDialog*) {
        Snap(yesno, "yesno", yesno.YesBtn);
        return ModalLeft;
    });
    yesno.ShowModal("Do you want to forsake the king and his subjects???");
    SetModalScript({});

    TTongueDlg tongue;
    Snap(tongue, "language", tongue.GermanBtn);

    TInfoDialog info;
    info.FormActivate();
    Snap(info, "about", info.OKBtn);
    std::printf("scale %g, pictures in %s\n", main.devicePixelRatioF(), qPrintable(out));
    return 0;
}
