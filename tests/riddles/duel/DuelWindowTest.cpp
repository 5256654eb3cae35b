// SPDX-License-Identifier: GPL-3.0-or-later
// Room 7 in its window on the offscreen platform: a won and a lost duel
// played with the mouse, with a counting clock and recorded cues; the
// gems as they reach the window. With TARNWICK_SHOTS set to a folder, the
// window is also saved there mid-game, won and lost, in both languages.
#include <QtTest>
#include <memory>

#include "platform/Random.h"
#include "platform/SceneWindow.h"
#include "riddles/duel/DuelRules.h"
#include "riddles/duel/DuelView.h"
#include "state/Game.h"
#include "shell/Main.h"
#include "shell/Msg.h"
#include "support/DuelPlayers.h"
#include "support/WindowsRig.h"

using namespace tarnwick;

class DuelWindowTest : public QObject {
    Q_OBJECT

private:
    testing::WindowsRig rig_;
    SeededRandom dice_{2026};
    TRiddleWin* riddle_ = nullptr;
    QStringList messages_;
    std::function<int()> play_;  // what the player does in the room

    DuelRules& Duel() { return dynamic_cast<DuelRules&>(riddle_->Rules()); }
    void Click(int col, int row) { riddle_->MouseDown(54 + 32 * col + 16, 104 + 32 * row + 16); }
    void SetPosition(const std::vector<std::string>& rows) {
        Duel().SetPosition(testing::DuelPosition(rows), dsRunning);
        riddle_->Paint();
    }
    bool Shows(QPushButton* button) { return button->isVisibleTo(riddle_); }
    QRgb WindowPixel(int x, int y) { return riddle_->surface()->canvas.Image().pixel(x, y); }
    QRgb ArtPixel(Pixel at, int dx, int dy) { return rig_.windows.stage.pictures.RiddlePicture.Image().pixel(at.x + dx, at.y + dy); }

    // The window with its title and buttons, saved when asked for.
    void Shot(const QString& name) {
        const QString folder = qEnvironmentVariable("TARNWICK_SHOTS");
        if (folder.isEmpty()) return;
        riddle_->grab().save(QString("%1/room7-%2-%3.png").arg(folder, name, rig_.State().Language == 1 ? "de" : "en"));
    }

private slots:
    void initTestCase() {
        QVERIFY(rig_.Ready());
        riddle_ = &rig_.Room(7);
        rig_.game.dice.use = &dice_;
        SetModalScript([this](QDialog* window) {
            if (window == rig_.windows.MessDlg) {
                messages_ << rig_.windows.MessDlg->Mess->text();
                return ModalDone;
            }
            riddle_->Activate();
            riddle_->Paint();
            rig_.game.cues.log.clear();
            rig_.game.clock.waits.clear();
            return play_ ? play_() : ModalLeft;
        });
    }

    void cleanupTestCase() {
        SetModalScript({});
        riddle_ = nullptr;
    }

    void init() {
        messages_.clear();
        play_ = nullptr;
        rig_.State().Language = 0;
    }

    void theRoomSpeaksBothLanguages() {
        QCOMPARE(riddle_->ShowModal(1), ModalLeft);
        QCOMPARE(messages_, QStringList{"The cancellor invites you to the duel of the exploding gems. He resigns "
                                        "for the first move. But be watchful!"});
        QCOMPARE(riddle_->Title->text(), QString("Room of explosions"));
        riddle_->ShowRules();
        QCOMPARE(messages_.last(), QString("If there are too many, they will pass out and capture the neighbour fields."));

        rig_.State().Language = 1;
        messages_.clear();
        riddle_->ShowModal(3);
        QCOMPARE(messages_, QStringList{"Der Kanzler lädt dich zum Duell der explodierenden Kristalle. Er überläßt "
                                        "Dir den ersten Zug. Doch sei wachsam!"});
        QCOMPARE(riddle_->Title->text(), QString("Kammer der Explosionen"));
        riddle_->ShowRules();
        QCOMPARE(messages_.last(),
                 QString("Was zuviel ist, verteilt sich auf die Nachbarfelder und ergreift von diesen Besitz."));
        QCOMPARE(riddle_->objectName(), QString("TRiddle7Win"));
    }

    void clicksOffTheFieldDoNothing() {
        play_ = [this] {
            for (const QPoint p : {QPoint(53, 150), QPoint(246, 150), QPoint(299, 379), QPoint(100, 103),
                                   QPoint(100, 296), QPoint(150, 40)})
                riddle_->MouseDown(p.x(), p.y());
            return ModalLeft;
        };
        riddle_->ShowModal(1);
        QVERIFY(rig_.game.cues.Played().empty());
        QCOMPARE(Duel().Board(), DuelBoard{});
        QCOMPARE(Duel().State(), dsOpening);
    }

    void aWonDuelShowsTheSuccessButton() {
        bool okShown = false, okAfterReset = false;
        std::vector<int> cues, waits;
        play_ = [&] {
            // The corner takes the computer's last field.
            SetPosition({"p1", "c2"});
            Click(0, 0);
            cues = rig_.game.cues.Played();
            waits = rig_.game.clock.waits;
            okShown = Shows(riddle_->OKBtn) && !Shows(riddle_->EscBtn);
            // The player's gems, turquoise, on the captured field; the
            // emptied corner shows its tile.
            const Pixel gem = DuelView::GemSpot({54, 136}, 2);
            if (WindowPixel(gem.x + 6, gem.y + 3) != ArtPixel(DuelView::PlayerGem, 6, 3)) cues.push_back(-1);
            if (WindowPixel(54 + 20, 104 + 20) != ArtPixel(DuelView::TileSame, 20, 20)) cues.push_back(-2);
            rig_.game.cues.log.clear();
            Click(2, 2);
            Click(0, 1);
            if (!rig_.game.cues.Played().empty()) cues.push_back(-3);
            riddle_->ResetBtnClick();
            okAfterReset = Shows(riddle_->OKBtn);
            return ModalDone;
        };
        QCOMPARE(riddle_->ShowModal(1), ModalDone);
        QCOMPARE(cues, (std::vector<int>{9, 11, 9, 5}));
        QCOMPARE(waits, (std::vector<int>{100, 100}));
        QVERIFY(okShown);
        QVERIFY(okAfterReset);
        QCOMPARE(Duel().State(), dsOpening);
    }

    void aLostDuelKeepsTheLeaveButtonAndIgnoresClicks() {
        bool escShown = false;
        std::vector<int> cues, waits;
        play_ = [&] {
            SetPosition({"", "", ".. .. .. c3", ".. .. .. p1"});
            Click(3, 3);
            cues = rig_.game.cues.Played();
            waits = rig_.game.clock.waits;
            escShown = Shows(riddle_->EscBtn) && !Shows(riddle_->OKBtn);
            // The computer's red gems on the field it took from the player.
            const Pixel gem = DuelView::GemSpot({54 + 96, 104 + 96}, 0);
            if (WindowPixel(gem.x + 6, gem.y + 3) != ArtPixel(DuelView::ComputerGem, 6, 3)) cues.push_back(-1);
            rig_.game.cues.log.clear();
            Click(0, 0);
            if (!rig_.game.cues.Played().empty()) cues.push_back(-3);
            return ModalLeft;
        };
        QCOMPARE(riddle_->ShowModal(1), ModalLeft);
        QCOMPARE(cues, (std::vector<int>{9, 9, 11, 9, 4}));
        QCOMPARE(waits, (std::vector<int>(8, 100)));
        QVERIFY(escShown);
        QCOMPARE(Duel().State(), dsComputerWon);
    }

    void gemsBelowTheBoardGoWithTheReset() {
        bool drawn = false, gone = false;
        play_ = [&] {
            // A duel that ended with six gems on a field of the bottom row.
            Duel().SetPosition(testing::DuelPosition({"", "", "", "", ".. .. .. c1", ".. .. p6"}), dsPlayerWon);
            riddle_->Paint();
            const Pixel fifth = DuelView::GemSpot({54 + 64, 104 + 160}, 4);
            const int x = fifth.x + 6, y = fifth.y + 5;
            drawn = WindowPixel(x, y) == ArtPixel(DuelView::PlayerGem, 6, 5);
            riddle_->ResetBtnClick();
            gone = WindowPixel(x, y) == rig_.windows.stage.pictures.RoomBackground.Image().pixel(x, y);
            return ModalLeft;
        };
        riddle_->ShowModal(1);
        QVERIFY(drawn);
        QVERIFY(gone);
    }

    // A duel played with the mouse by the player who looks ahead, seen
    // mid-game in both languages.
    void aDuelPlayedWithTheMouse() {
        for (int language : {0, 1}) {
            rig_.State().Language = language;
            dice_.Seed(2026);
            Verdict verdict = Verdict::Undecided;
            play_ = [&] {
                for (int move = 0; move < 200 && Duel().Judge() == Verdict::Undecided; ++move) {
                    if (move == 6) Shot("midgame");
                    const BoardCell cell = LookaheadPlayerMove(Duel().Board());
                    Click(cell.col, cell.row);
                }
                verdict = Duel().Judge();
                Shot("won");
                return Shows(riddle_->OKBtn) ? ModalDone : ModalLeft;
            };
            QCOMPARE(riddle_->ShowModal(1), ModalDone);
            QCOMPARE(verdict, Verdict::Solved);
        }
    }

    // One who lays gems at random loses, in both languages.
    void aDuelLostWithTheMouse() {
        for (int language : {0, 1}) {
            rig_.State().Language = language;
            dice_.Seed(7);
            SeededRandom playerDice(3);
            bool lost = false;
            play_ = [&] {
                for (int move = 0; move < 200 && Duel().Judge() == Verdict::Undecided; ++move) {
                    const BoardCell cell = testing::RandomPlayerMove(Duel().Board(), playerDice);
                    Click(cell.col, cell.row);
                }
                lost = Duel().Judge() == Verdict::Lost && Shows(riddle_->EscBtn) && !Shows(riddle_->OKBtn);
                Shot("lost");
                return ModalLeft;
            };
            QCOMPARE(riddle_->ShowModal(1), ModalLeft);
            QVERIFY(lost);
            QCOMPARE(rig_.game.cues.Played().back(), 4);
        }
    }
};

QTEST_MAIN(DuelWindowTest)
#include "DuelWindowTest.moc"
