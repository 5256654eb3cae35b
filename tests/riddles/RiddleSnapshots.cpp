// Renders riddle rooms on every level in both languages to PNG files, for
// looking at them the way the player sees them: fresh, and played a little
// (room 5 a ball pushed, room 6 its saying typed in full, room 12 the board
// cut into quarters).
//   riddle_snapshots OUTPUT_FOLDER ROOM...
#include <QApplication>
#include <QDir>

#include "platform/SceneWindow.h"
#include "riddles/RiddleRooms.h"
#include "riddles/SayingsRules.h"
#include "riddles/SeparationRules.h"
#include "shell/GameState.h"
#include "shell/Msg.h"

using namespace tarnwick;

namespace {

void PlayALittle(TRiddleWin& room) {
    const BoardGeometry& g = room.Rules().Geometry();
    if (auto* sayings = dynamic_cast<SayingsRules*>(&room.Rules())) {
        for (int n = 1; n <= g.Cells(); ++n)
            for (int i = 0; i < g.Cells(); ++i)
                if (sayings->LetterNumber({i % g.columns, i / g.columns}) == n) {
                    const Pixel centre = g.Centre({i % g.columns, i / g.columns});
                    room.MouseDown(centre.x, centre.y);
                }
    } else if (dynamic_cast<SeparationRules*>(&room.Rules())) {
        const int half = g.columns / 2;
        for (int i = 0; i < g.columns; ++i) {
            room.MouseDown(g.left + 32 * (half - 1) + 30, g.top + 32 * i + 16);
            room.MouseDown(g.left + 32 * i + 16, g.top + 32 * (half - 1) + 30);
        }
    } else if (room.Room() == 5) {
        // The first ball that can step up, down, left or right, does.
        for (int i = 0; i < g.Cells(); ++i) {
            const Pixel from = g.Centre({i % g.columns, i / g.columns});
            room.MouseDown(from.x, from.y);
            for (auto [dx, dy] : {std::pair{0, -32}, {0, 32}, {-32, 0}, {32, 0}})
                room.MouseMove(from.x + dx, from.y + dy);
            room.MouseUp(from.x, from.y);
        }
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString(argv[1]) : QString(".");
    QDir().mkpath(out);

    Picture art, background(320, 380), dragSave(54, 54);
    if (!art.LoadBmp(PROGRAM_DIR "b2.bmp")) return 1;
    TMessDlg messages;
    MessDlg = &messages;
    SetModalScript([](QDialog* window) {
        if (auto* riddle = dynamic_cast<TRiddleWin*>(window)) {
            riddle->Activate();
            riddle->Paint();
        }
        return ModalLeft;
    });

    for (int a = 2; a < argc; ++a) {
        const int number = QString(argv[a]).toInt();
        std::unique_ptr<TRiddleWin> room(MakeRiddleWindow(number));
        if (!room) continue;
        room->UsePictures({&art, &background, &dragSave});
        for (int language : {1, 0}) {
            Language = language;
            const QString tongue = language == 1 ? "de" : "en";
            for (int level = 1; level <= 3; ++level) {
                room->ShowModal(level);
                const QString name = QString("%1/room%2_level%3_%4").arg(out).arg(number).arg(level).arg(tongue);
                room->grab().save(name + ".png");
                PlayALittle(*room);
                room->grab().save(name + "_played.png");
            }
        }
    }
    SetModalScript({});
    MessDlg = nullptr;
    return 0;
}
