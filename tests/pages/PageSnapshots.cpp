// SPDX-License-Identifier: GPL-3.0-or-later
// Renders every story and help page in both languages to PNG files, for
// looking at the pages the way the player sees them.
//   page_snapshots OUTPUT_FOLDER
#include <QApplication>
#include <QDir>

#include "pages/Help.h"
#include "pages/Intro.h"
#include "platform/GameModule.h"
#include "support/GameRig.h"

using namespace tarnwick;

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString(argv[1]) : QString(".");
    QDir().mkpath(out);
    testing::StageRig rig_;
    SetGameModuleFolder(PROGRAM_DIR);

    TIntroWin intro(rig_.stage);
    intro.FormCreate();
    THelpWin help(rig_.stage);
    help.FormCreate();
    for (int language : {1, 0}) {
        rig_.game.Language = language;
        const QString tongue = language == 1 ? "de" : "en";
        intro.Activate();
        for (int page = 1; page <= TIntroWin::PageCount; ++page) {
            if (page > 1) intro.NextPage();
            intro.grab().save(QString("%1/story%2_%3.png").arg(out).arg(page).arg(tongue));
        }
        // The clip halfway through.
        intro.MediaPlayer1->Pause();
        intro.MediaPlayer1->Rewind();
        for (int frame = 0; frame < 40; ++frame) intro.MediaPlayer1->Step();
        intro.MediaPlayer1->CurrentFrame().save(QString("%1/clip40.png").arg(out));
        help.Activate();
        for (int page = 1; page <= 12; ++page) {
            if (page > 1) help.NextPage();
            help.grab().save(QString("%1/help%2_%3.png").arg(out).arg(page, 2, 10, QChar('0')).arg(tongue));
        }
    }
    return 0;
}
