// SPDX-License-Identifier: GPL-3.0-or-later
// The knight's room on the offscreen platform: texts, the dealt start,
// jumps by mouse with their cues, vanished fields showing the bare room,
// the success button, and the reset.
#include <QtTest>
#include <memory>

#include "riddles/fields/KnightTour.h"
#include "support/WindowsRig.h"
#include "riddles/fields/KnightRules.h"
#include "state/Game.h"

using namespace tarnwick;

class KnightRoomWindowTest : public QObject {
    Q_OBJECT

private:
    testing::ScriptedRandom dice_;
    std::unique_ptr<testing::WindowsRig> rig_;
    TRiddleWin* room_ = nullptr;

    KnightRules& Rules() { return dynamic_cast<KnightRules&>(room_->Rules()); }
    QPoint Centre(BoardCell cell) {
        const Pixel p = Rules().Geometry().Centre(cell);
        return {p.x, p.y};
    }
    void Click(BoardCell cell) { room_->MouseDown(Centre(cell).x(), Centre(cell).y()); }
    bool Bare(BoardCell cell) {
        const Pixel corner = Rules().Geometry().Corner(cell);
        return testing::ShowsRoomBackground(*room_, corner.x, corner.y, 32, 32);
    }
    bool EscShown() { return room_->EscBtn->isVisibleTo(room_) && !room_->OKBtn->isVisibleTo(room_); }

private slots:
    void initTestCase() {
        rig_ = std::make_unique<testing::WindowsRig>();
        QVERIFY(rig_->Ready());
        rig_->game.dice.use = &dice_;
        room_ = &rig_->Room(3);
    }
    void cleanupTestCase() {
        room_ = nullptr;
        rig_.reset();
    }
    void init() { rig_->Forget(); }

    void theRoomSpeaksBothLanguages() {
        dice_.values = {0, 0, 0, 0};
        QCOMPARE(rig_->ReadRules(*room_, 1, 1),
                 (QStringList{"Du stehst vor der Kammer der Springer. Nimm Dich in Acht!",
                              "Bewege die Kugel wie den Springer beim Schach, ein Feld gerade, ein Feld schräg.",
                              "Laß alle Felder verschwinden außer dem letzten, auf dem Deine Kugel liegt."}));
        QCOMPARE(room_->Title->text(), QString("Kammer der Springer"));
        QCOMPARE(rig_->ReadRules(*room_, 1, 0),
                 (QStringList{"You want to enter the knight's room. Pay attention!",
                              "Move the ball as you would do it with a knight in a chess game, one field "
                              "straightly, one diagonally.",
                              "Let all fields disappear except the last with your ball."}));
        QCOMPARE(room_->Title->text(), QString("Knight's room"));
    }

    void aJumpLeavesTheBareRoomBehindAndWrongClicksPlayCue8() {
        dice_.values = {2, 2};
        QStringList seen;
        rig_->Enter(*room_, 1, [&] {
            const QImage start = room_->Canvas().Window().Image().copy();
            // Off the board on every side, and between jumps: nothing.
            for (QPoint p : {QPoint(69, 200), QPoint(150, 124), QPoint(230, 200), QPoint(150, 285)})
                room_->MouseDown(p.x(), p.y());
            seen << QString("off board %1").arg(rig_->TakeCues().size());
            Click({2, 2});  // its own field
            Click({3, 3});  // diagonal
            Click({2, 4});  // two fields straight
            seen << QString("refused %1").arg(rig_->TakeCues() == std::vector<int>{8, 8, 8});
            seen << QString("unchanged %1").arg(room_->Canvas().Window().Image() == start);

            Click({3, 4});
            seen << QString("jump %1").arg(rig_->TakeCues() == std::vector<int>{9});
            seen << QString("bare %1 %2").arg(Bare({2, 2})).arg(Bare({3, 4}));
            Click({2, 2});  // a jump back onto the vanished field: silence
            seen << QString("vanished %1").arg(rig_->TakeCues().size());
            // A repaint shows the same.
            const QImage played = room_->Canvas().Window().Image().copy();
            room_->Paint();
            seen << QString("repaint %1").arg(room_->Canvas().Window().Image() == played);
            seen << QString("esc %1").arg(EscShown());
            return ModalLeft;
        });
        QCOMPARE(seen, (QStringList{"off board 0", "refused 1", "unchanged 1", "jump 1", "bare 1 0", "vanished 0",
                                    "repaint 1", "esc 1"}));
        QVERIFY(rig_->TakeWaits().empty());
    }

    void aWholeTourSolvesTheRoomAndTheResetDealsAgain() {
        for (int level = 1; level <= 3; ++level) {
            dice_.values = {0, 0, 1, 3};
            QStringList seen;
            const int result = rig_->Enter(*room_, level, [&] {
                const auto tour = FindTour(Rules(), 10000);
                for (BoardCell cell : tour.jumps) Click(cell);
                const int n = KnightRules::BoardSize(level);
                std::vector<int> expected(static_cast<size_t>(n * n - 1), 9);
                expected.push_back(5);
                seen << QString("cues %1").arg(rig_->TakeCues() == expected);
                seen << QString("ok %1").arg(!EscShown());
                int bare = 0;
                for (int c = 0; c < n; ++c)
                    for (int r = 0; r < n; ++r) bare += Bare({c, r});
                seen << QString("bare %1").arg(bare);
                // The reset: every field back, the ball on a new field, the
                // success button still there.
                room_->ResetBtnClick();
                seen << QString("reset %1 %2 %3")
                            .arg(Rules().FieldsLeft())
                            .arg(Rules().Ball() == BoardCell{1, 3})
                            .arg(!EscShown() && !Bare({0, 0}));
                seen << QString("cues after reset %1").arg(rig_->TakeCues().size());
                return ModalDone;
            });
            const int n = KnightRules::BoardSize(level);
            QCOMPARE(result, ModalDone);
            QCOMPARE(seen, (QStringList{"cues 1", "ok 1", QString("bare %1").arg(n * n - 1),
                                        QString("reset %1 1 1").arg(n * n), "cues after reset 0"}));
        }
    }
};

QTEST_MAIN(KnightRoomWindowTest)
#include "KnightRoomWindowTest.moc"
