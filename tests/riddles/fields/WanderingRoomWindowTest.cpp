// SPDX-License-Identifier: GPL-3.0-or-later
// The room of wandering on the offscreen platform: texts, the slide with
// its cues and waits, the gem row, the coloured lines, the success button
// and the reset.
#include <QtTest>
#include <memory>

#include "support/WindowsRig.h"
#include "riddles/fields/WanderingSearch.h"
#include "riddles/fields/WanderingRules.h"
#include "state/Game.h"

using namespace tarnwick;

class WanderingRoomWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<testing::WindowsRig> rig_;
    TRiddleWin* room_ = nullptr;

    WanderingRules& Rules() { return dynamic_cast<WanderingRules&>(room_->Rules()); }
    void Click(BoardCell cell) { room_->MouseDown(38 + 32 * cell.col, 76 + 32 * cell.row); }
    bool Bare(BoardCell cell) { return testing::ShowsRoomBackground(*room_, 22 + 32 * cell.col, 60 + 32 * cell.row, 32, 32); }
    QRgb At(int x, int y) { return room_->Canvas().Window().PixelAt(x, y); }
    // How many gem spots, from the left, show something other than the bare room.
    int GemsShown() {
        int shown = 0;
        for (int n = 1; n <= 21; ++n) shown += !testing::ShowsRoomBackground(*room_, 11 + 12 * n, 325, 12, 10);
        return shown;
    }
    bool EscShown() { return room_->EscBtn->isVisibleTo(room_) && !room_->OKBtn->isVisibleTo(room_); }

private slots:
    void initTestCase() {
        rig_ = std::make_unique<testing::WindowsRig>();
        QVERIFY(rig_->Ready());
        room_ = &rig_->Room(8);
    }
    void cleanupTestCase() {
        room_ = nullptr;
        rig_.reset();
    }
    void init() { rig_->Forget(); }

    void theRoomSpeaksBothLanguagesWithAThirdRuleOnLevels2And3() {
        QCOMPARE(rig_->ReadRules(*room_, 2, 1),
                 (QStringList{"Du stehst vor der Kammer der Wanderungen. Geh nicht in die Irre!",
                              "Bewege die Kugel waagrecht oder senkrecht so weit Du willst oder kannst.",
                              "Die Zahl der Kristalle zeigt Dir, wie oft Du ziehen darfst. Laß alle Felder außer "
                              "dem weißen verschwinden.",
                              "Irgendwann auf Deiner Wanderung mußt Du die Linie überschreiten."}));
        QCOMPARE(room_->Title->text(), QString("Kammer der Wanderungen"));
        QCOMPARE(rig_->ReadRules(*room_, 3, 1).last(),
                 QString("Wenn die Reihe am türkisen Kristall ist, mußt Du die Linie überschreiten."));
        QCOMPARE(rig_->ReadRules(*room_, 3, 0),
                 (QStringList{"You want to enter the room of wandering. Don't loose your way!",
                              "Move the ball straightly as far as you want or as far as you are able to.",
                              "The number of gems shows you how often you can move. Remove all squares except "
                              "the white one.",
                              "Overstep the line, when the turquoise is the next."}));
        QCOMPARE(room_->Title->text(), QString("Room of wandering"));
        QCOMPARE(rig_->ReadRules(*room_, 2, 0).last(), QString("You must sometimes overstep the line on your travel."));
        QCOMPARE(rig_->ReadRules(*room_, 1, 0).size(), 3);
    }

    void theBallSlidesCellByCellAndAGemGoes() {
        QStringList seen;
        rig_->Enter(*room_, 1, [&] {
            seen << QString("gems %1").arg(GemsShown());
            Click({0, 5});
            seen << QString("gems %1").arg(GemsShown());
            int bare = 0;
            for (int r = 1; r <= 4; ++r) bare += Bare({0, r});
            seen << QString("bare %1 %2 %3").arg(bare).arg(Bare({0, 0})).arg(Bare({0, 5}));
            // Ignored without a sound: its own field, a diagonal, a vanished
            // field, beyond the gap, off the board.
            Click({0, 5});
            Click({2, 7});
            Click({0, 3});
            Click({0, 0});
            room_->MouseDown(21, 200);
            room_->MouseDown(150, 316);
            seen << QString("esc %1").arg(EscShown());
            return ModalLeft;
        });
        QCOMPARE(seen, (QStringList{"gems 21", "gems 20", "bare 4 0 0", "esc 1"}));
        QCOMPARE(rig_->TakeCues(), (std::vector<int>{9, 9, 9, 9, 8}));
        QCOMPARE(rig_->TakeWaits(), (std::vector<int>{50, 50, 50, 50}));
    }

    void theLinesStandOnTheirBorderUntilCrossed() {
        const QRgb yellow = qRgb(255, 255, 0), turquoise = qRgb(0, 255, 255);
        QStringList seen;
        rig_->Enter(*room_, 2, [&] {
            seen << QString("yellow %1 %2").arg(At(149, 156) == yellow && At(150, 187) == yellow).arg(At(151, 170) != yellow);
            Click({5, 3});
            Click({1, 3});  // over the line
            seen << QString("crossed %1").arg(At(149, 170) != yellow && At(150, 170) != yellow);
            // What the moves drew is what a repaint draws.
            const QImage played = room_->Canvas().Window().Image().copy();
            room_->Paint();
            seen << QString("repaint %1").arg(room_->Canvas().Window().Image() == played);
            return ModalLeft;
        });
        rig_->Enter(*room_, 3, [&] {
            seen << QString("turquoise %1 %2").arg(At(117, 60) == turquoise && At(118, 91) == turquoise).arg(GemsShown());
            // The eleventh gem is the turquoise one; the twelfth an ordinary gem.
            const QImage gems = room_->Canvas().Window().Image();
            seen << QString("gem 11 %1").arg(gems.copy(143, 325, 12, 10) != gems.copy(155, 325, 12, 10));
            return ModalLeft;
        });
        QCOMPARE(seen, (QStringList{"yellow 1 1", "crossed 1", "repaint 1", "turquoise 1 21", "gem 11 1"}));
    }

    void aWalkThatClearsTheBoardSolvesTheRoom() {
        for (int level = 1; level <= 3; ++level) {
            QStringList seen;
            const int result = rig_->Enter(*room_, level, [&] {
                const auto walk = FindWalk(Rules(), LevelWish(Rules()), 2000000);
                if (walk.result != WalkSearch::Found) return ModalLeft;
                for (BoardCell cell : walk.clicks) Click(cell);
                const std::vector<int> cues = rig_->TakeCues();
                seen << QString("cues %1 %2 %3")
                            .arg(std::count(cues.begin(), cues.end(), 9))
                            .arg(std::count(cues.begin(), cues.end(), 8))
                            .arg(cues.back());
                seen << QString("waits %1").arg(rig_->TakeWaits().size());
                seen << QString("ok %1 gems %2").arg(!EscShown()).arg(GemsShown());
                room_->ResetBtnClick();
                seen << QString("reset %1 gems %2").arg(!EscShown()).arg(GemsShown());
                return ModalDone;
            });
            QCOMPARE(result, ModalDone);
            const int moves = level == 2 ? 15 : 21;
            QCOMPARE(seen, (QStringList{"cues 63 " + QString::number(moves) + " 5", "waits 63",
                                        "ok 1 gems 0", "reset 1 gems " + QString::number(moves)}));
        }
    }
};

QTEST_MAIN(WanderingRoomWindowTest)
#include "WanderingRoomWindowTest.moc"
