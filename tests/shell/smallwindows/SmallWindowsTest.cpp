// SPDX-License-Identifier: GPL-3.0-or-later
// The splash, language and about windows and the two help-file buttons,
// on the offscreen platform with the real data files.
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

#include "platform/FocusFrameStyle.h"
#include "platform/HelpViewer.h"
#include "platform/SceneWindow.h"
#include "platform/System.h"
#include "platform/WindowRoles.h"
#include "shell/GameWindows.h"
#include "shell/Infodlg.h"
#include "shell/Main.h"
#include "shell/Splasher.h"
#include "shell/Tongdlg.h"
#include "support/WindowsRig.h"

using namespace tarnwick;

class SmallWindowsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<testing::WindowsRig> rig_;
    TMainForm* main_ = nullptr;
    TTongueDlg* tongue_ = nullptr;
    TInfoDialog* info_ = nullptr;
    Game& State() { return rig_->State(); }
    QStringList shown_;
    QStringList helpCalls_;

    // The modal loop replaced: every window is recorded, and the language
    // window answers with the button the test chose.
    void ScriptModal(const char* languageButton) {
        const QString button = languageButton;
        SetModalScript([this, button](QDialog* window) {
            shown_ << window->objectName();
            if (window == info_) info_->TongBtnClick();
            if (window == tongue_) {
                tongue_->setResult(0);
                if (button == "english") tongue_->EnglishBtnClick();
                if (button == "german") tongue_->GermanBtnClick();
            }
            return window->result() == ModalDone ? ModalDone : ModalLeft;
        });
    }

private slots:
    void initTestCase() {
        rig_ = std::make_unique<testing::WindowsRig>();
        QVERIFY(rig_->Ready());
        main_ = rig_->windows.MainForm;
        tongue_ = rig_->windows.TongueDlg;
        info_ = rig_->windows.InfoDialog;
        SetHelpViewerScript({
            [this](const std::string& file, const std::string& topic) {
                helpCalls_ << QString::fromStdString("show " + file + " " + topic);
            },
            [this] { helpCalls_ << "close"; },
        });
    }

    void cleanupTestCase() {
        SetHelpViewerScript({});
        rig_.reset();
    }

    void init() {
        State().Language = -1;
        shown_.clear();
        helpCalls_.clear();
        tongue_->setResult(0);
        info_->setResult(0);
    }

    void cleanup() { SetModalScript({}); }

    void theLanguageWindowSetsTheLanguageOrLeavesIt() {
        QCOMPARE(tongue_->windowTitle(), QString("Tarnwick V1.3"));
        QCOMPARE(tongue_->size(), QSize(320, 91));
        QCOMPARE(tongue_->EnglishBtn->text(), QString("I speak english."));
        QCOMPARE(tongue_->GermanBtn->text(), QString("Ich spreche deutsch."));
        const QImage icon = tongue_->Image4->grab().toImage();
        QVERIFY(icon.pixel(18, 18) != icon.pixel(1, 1));  // the emblem, not a bare patch

        // The real modal loop, with real clicks.
        QTimer::singleShot(0, [this] { QTest::mouseClick(tongue_->GermanBtn, Qt::LeftButton); });
        QCOMPARE(tongue_->ShowModal(), ModalDone);
        QCOMPARE(State().Language, 1);
        QTimer::singleShot(0, [this] { QTest::mouseClick(tongue_->EnglishBtn, Qt::LeftButton); });
        QCOMPARE(tongue_->ShowModal(), ModalDone);
        QCOMPARE(State().Language, 0);

        // Closed with the close box or Escape: no choice made.
        State().Language = -1;
        QTimer::singleShot(0, [this] { tongue_->close(); });
        QCOMPARE(tongue_->ShowModal(), ModalLeft);
        QCOMPARE(State().Language, -1);
        QTimer::singleShot(0, [this] { QTest::keyClick(tongue_, Qt::Key_Escape); });
        QCOMPARE(tongue_->ShowModal(), ModalLeft);
        QCOMPARE(State().Language, -1);
    }

    void theAboutWindowSpeaksTheCurrentLanguage() {
        State().Language = 0;
        QTimer::singleShot(0, [this] {
            QCOMPARE(info_->windowTitle(), QString("Fennick Games - Info about ..."));
            QCOMPARE(info_->TongBtn->text(), QString("language"));
            QTest::keyClick(info_, Qt::Key_Return);  // the default button
        });
        QCOMPARE(info_->ShowModal(), ModalDone);
        QCOMPARE(info_->progname->text(), QString("Tarnwick"));
        QCOMPARE(info_->version->text(), QString("Version  V1.3"));
        QCOMPARE(info_->size(), QSize(309, 354));

        State().Language = 1;
        QTimer::singleShot(0, [this] { info_->OKBtn->click(); });
        QCOMPARE(info_->ShowModal(), ModalDone);
        QCOMPARE(info_->windowTitle(), QString("Fennick Games - Info über ..."));
        QCOMPARE(info_->TongBtn->text(), QString("Sprache"));
    }

    void aLanguageChangeFromTheAboutWindowReachesTheToolBarAtOnce() {
        State().Language = 0;
        main_->SetHints();
        QCOMPARE(main_->RestartBtn->toolTip(), QString("I restart. (Ctrl+N)"));
        ScriptModal("german");
        QCOMPARE(info_->ShowModal(), ModalDone);
        QCOMPARE(shown_, (QStringList{"TInfoDialog", "TTongueDlg"}));
        QCOMPARE(State().Language, 1);
        QCOMPARE(main_->RestartBtn->toolTip(), QString("Ich beginn nochmal von vorne. (Strg+N)"));
        QCOMPARE(main_->FennickBtn->toolTip(), QString("Hurra, es gibt noch mehr Fennick Games. (Strg+G)"));
        QCOMPARE(info_->windowTitle(), QString("Fennick Games - Info über ..."));
        QCOMPARE(info_->TongBtn->text(), QString("Sprache"));

        // The rules now open at the German topic.
        main_->RulesBtnClick();
        QCOMPARE(helpCalls_.last(), QString("show " PROGRAM_DIR "TARN1.HLP Das_Spiel"));

        // Leaving the language window without a choice keeps German, and
        // the about window still closes.
        shown_.clear();
        ScriptModal("none");
        QCOMPARE(info_->ShowModal(), ModalDone);
        QCOMPARE(shown_, (QStringList{"TInfoDialog", "TTongueDlg"}));
        QCOMPARE(State().Language, 1);
        QCOMPARE(main_->exitbtn->toolTip(), QString("Ich hab genug! (Strg+Q)"));
    }

    void theHelpButtonsCloseTheViewerAndOpenTheirTopic() {
        State().Language = 0;
        main_->RulesBtnClick();
        QCOMPARE(main_->HelpFile, std::string(PROGRAM_DIR) + "TARN1.HLP");
        main_->FennickBtnClick();
        QCOMPARE(main_->HelpFile, std::string(PROGRAM_DIR) + "FGAM.HLP");
        State().Language = 1;
        main_->FennickBtnClick();
        QCOMPARE(helpCalls_, (QStringList{
                                 "close", "show " PROGRAM_DIR "TARN1.HLP The_game",
                                 "close", "show " PROGRAM_DIR "FGAM.HLP Fennick_Games_e",
                                 "close", "show " PROGRAM_DIR "FGAM.HLP Fennick_Games_d",
                             }));
    }

    // Last: the splash's timer has run since the splash was made, as it has
    // at the real start-up.
    void theSplashShowsItsPictureAndGoesOnAClick() {
        TSplash splash(State());
        QCOMPARE(splash.size(), QSize(200, 150));
        QTimer::singleShot(100, [&] {
            QVERIFY(splash.isVisible());
            QCOMPARE(splash.pos(), QPoint((594 - 200) / 2, (410 - 150) / 2));  // in the main window
            QTest::mouseClick(splash.bm, Qt::RightButton, {}, QPoint(150, 20));
        });
        QElapsedTimer clock;
        clock.start();
        splash.ShowModal();
        QVERIFY(clock.elapsed() < 2000);
        Picture b0;
        QVERIFY(b0.LoadBmp(PROGRAM_DIR "b0.bmp"));
        QCOMPARE(splash.bm->canvas.Image().convertToFormat(QImage::Format_RGB32),
                 b0.Image().convertToFormat(QImage::Format_RGB32));
    }

    void theSplashGoesAtItsTimersNextTick() {
        // Made now, shown at once: it goes about three seconds later.
        QElapsedTimer clock;
        auto splash = std::make_unique<TSplash>(State());
        clock.start();
        splash->ShowModal();
        QVERIFY2(clock.elapsed() > 2700 && clock.elapsed() < 4000, qPrintable(QString::number(clock.elapsed())));
        // Gone, it never wakes the game again.
        QVERIFY(!splash->Timer1->isActive());

        // Shown after a long wait (the language question): the timer was
        // not restarted, so the splash goes at the next tick, well before
        // another three seconds.
        splash = std::make_unique<TSplash>(State());
        QTest::qWait(2300);
        clock.start();
        splash->ShowModal();
        QVERIFY2(clock.elapsed() < 1500, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(!splash->isVisible());
        QVERIFY(!splash->Timer1->isActive());

        // Never shown: its timer has fired once, and only once.
        splash = std::make_unique<TSplash>(State());
        QSignalSpy ticks(splash->Timer1, &QTimer::timeout);
        QTest::qWait(3400);
        QCOMPARE(ticks.count(), 1);
        QVERIFY(!splash->Timer1->isActive());
    }

    // The button with the keyboard focus shows a dotted frame of dark ink
    // inside its edge; the others show none.
    void theFocusedButtonShowsAFrame() {
        UseFocusFrameStyle();
        const auto inkOnRing = [](QPushButton* button) {
            const QImage face = button->grab().toImage().convertToFormat(QImage::Format_RGB32);
            const QRect ring(2, 2, face.width() - 5, face.height() - 5);
            int ink = 0;
            for (int x = ring.left(); x <= ring.right(); ++x)
                for (int y : {ring.top(), ring.bottom()}) ink += (face.pixel(x, y) & 0xffffff) == 0x2e1c0f;
            return ink;
        };
        tongue_->show();
        tongue_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(tongue_));
        for (QPushButton* focused : {tongue_->GermanBtn, tongue_->EnglishBtn}) {
            focused->setFocus(Qt::TabFocusReason);
            QCoreApplication::processEvents();
            QPushButton* other = focused == tongue_->GermanBtn ? tongue_->EnglishBtn : tongue_->GermanBtn;
            QVERIFY2(inkOnRing(focused) > focused->width() / 8, "no frame round the focused button");
            QCOMPARE(inkOnRing(other), 0);
        }
        tongue_->hide();
    }

    // The game's one window names the scene it shows, and where it lies.
    void theWindowTellsTheDesktopWhichSceneItShows() {
        NameWindowsForTheDesktop(*qApp);
        QString during;
        QTimer::singleShot(0, [&] {
            during = main_->windowRole();
            tongue_->done(ModalLeft);
        });
        tongue_->ShowModal();
        QCOMPARE(during, QString("TTongueDlg@%1,%2,322,115").arg((594 - 322) / 2).arg((410 - 115) / 2));
        QCOMPARE(main_->windowRole(), QString("TMainForm"));
    }
};

QTEST_MAIN(SmallWindowsTest)
#include "SmallWindowsTest.moc"
