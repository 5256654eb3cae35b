// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the knight's room and the room of wandering on every level in
// both languages to PNG files, at the start, halfway through a solution and
// solved, for looking at the rooms the way the player sees them.
//   field_room_snapshots OUTPUT_FOLDER
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include "riddles/fields/KnightTour.h"
#include "riddles/fields/WanderingSearch.h"
#include "platform/SceneWindow.h"
#include "support/WindowsRig.h"

using namespace tarnwick;

namespace {

// Clicks the centre of each field in turn, then saves the whole window.
void ClickAndSave(TRiddleWin& room, const std::vector<BoardCell>& cells, const QString& file) {
    for (BoardCell cell : cells) {
        const Pixel p = room.Rules().Geometry().Centre(cell);
        room.MouseDown(p.x, p.y);
    }
    room.grab().save(file);
}

// Start, halfway and solved, for one room on one level.
void Shoot(tarnwick::testing::WindowsRig& rig, TRiddleWin& room, int level, const QString& name,
           const std::function<std::vector<BoardCell>(TRiddleWin&)>& solve) {
    SetModalScript([&](QDialog* window) {
        if (window == rig.windows.MessDlg) return ModalDone;
        room.Activate();
        room.Paint();
        const std::vector<BoardCell> solution = solve(room);
        const auto half = solution.begin() + static_cast<long>(solution.size() / 2);
        ClickAndSave(room, {}, name + "_start.png");
        ClickAndSave(room, {solution.begin(), half}, name + "_half.png");
        ClickAndSave(room, {half, solution.end()}, name + "_solved.png");
        return ModalDone;
    });
    room.ShowModal(level);
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString(argv[1]) : QString(".");
    QDir().mkpath(out);
    // Settings of its own, no waiting in the slides, every window but the
    // rooms closed at once.
    tarnwick::testing::WindowsRig rig;
    if (!rig.Ready()) return 1;
    TRiddleWin& knights = rig.Room(3);
    TRiddleWin& wandering = rig.Room(8);
    // The knight's start is dealt again, as the player would, until it is
    // one from which a tour exists.
    const auto tour = [](TRiddleWin& window) {
        auto& room = dynamic_cast<KnightRules&>(window.Rules());
        auto search = FindTour(room, 10000);
        while (search.result != TourSearch::Found) {
            window.ResetBtnClick();
            search = FindTour(room, 10000);
        }
        return search.jumps;
    };
    const auto walk = [](TRiddleWin& window) {
        auto& room = dynamic_cast<WanderingRules&>(window.Rules());
        return FindWalk(room, LevelWish(room), 2000000).clicks;
    };
    for (int language : {1, 0}) {
        rig.State().Language = language;
        const QString tongue = language == 1 ? "de" : "en";
        for (int level = 1; level <= 3; ++level) {
            Shoot(rig, knights, level, QString("%1/room3_level%2_%3").arg(out).arg(level).arg(tongue), tour);
            Shoot(rig, wandering, level, QString("%1/room8_level%2_%3").arg(out).arg(level).arg(tongue), walk);
        }
    }
    SetModalScript({});
    return 0;
}
