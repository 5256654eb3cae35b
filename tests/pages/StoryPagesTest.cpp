// SPDX-License-Identifier: GPL-3.0-or-later
// The story window on the offscreen platform: leafing through the nine
// pages, the texts and pictures of each, and the clip on page 4, with the
// real clip, without it, with a broken one, and without a clip module.
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <set>

#include "pages/Intro.h"
#include "platform/GameModule.h"
#include "platform/SceneWindow.h"
#include "support/GameRig.h"

using namespace tarnwick;

namespace {

// The labels each page shows.
const std::set<int> PageLabels[10] = {
    {}, {1, 2}, {3, 4}, {5, 6}, {7}, {8, 9}, {10, 11}, {12, 13, 14}, {15, 16}, {17, 18, 19}};

QImage PagePicture(const char* file) {
    return QImage(QString(PROGRAM_DIR) + file).copy(0, 0, 400, 300).convertToFormat(QImage::Format_RGB32);
}

}  // namespace

class StoryPagesTest : public QObject {
    Q_OBJECT

private:
    testing::StageRig rig_;
    QTemporaryDir folder_;
    std::unique_ptr<TIntroWin> intro_;
    int shownOnPage_ = 0;  // the page on show when the modal loop began

    // A story window whose clip is the given file (empty: the real one).
    void Create(const QString& clip = QString()) {
        intro_.reset();
        rig_.game.ProgramDir = PROGRAM_DIR;
        if (!clip.isEmpty()) rig_.game.ProgramDir = folder_.path().toStdString() + "/";
        if (!clip.isEmpty() && clip != "missing") {
            QFile::remove(folder_.path() + "/a1.avi");
            QFile file(folder_.path() + "/a1.avi");
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(clip.toUtf8());
        }
        intro_ = std::make_unique<TIntroWin>(rig_.stage);
        QVERIFY(intro_->FormCreate());
        rig_.game.ProgramDir = PROGRAM_DIR;
        intro_->Activate();
    }

    std::set<int> ShownLabels() const {
        std::set<int> shown;
        for (int n = 1; n <= 19; ++n)
            if (!intro_->Label[n]->isHidden()) shown.insert(n);
        return shown;
    }

    void GoTo(int page) {
        while (intro_->StoryPage < page) intro_->NextPage();
        while (intro_->StoryPage > page) intro_->PrevPage();
    }

private slots:
    void initTestCase() {
        QVERIFY(folder_.isValid());
        SetGameModuleFolder(PROGRAM_DIR);
        SetModalScript([this](QDialog* window) {
            shownOnPage_ = static_cast<TIntroWin*>(window)->StoryPage;
            return ModalDone;
        });
    }

    void init() { rig_.game.Language = 0; }
    void cleanup() { intro_.reset(); }

    void theButtonsLeafWithinTheNinePages() {
        Create();
        QCOMPARE(intro_->StoryPage, 1);
        for (int page = 1; page <= 9; ++page) {
            GoTo(page);
            QCOMPARE(intro_->UpBtn->isEnabled(), page > 1);
            QCOMPARE(intro_->DownBtn->isEnabled(), page < 9);
            QCOMPARE(ShownLabels(), PageLabels[page]);
        }
        intro_->NextPage();
        QCOMPARE(intro_->StoryPage, 9);
        GoTo(1);
        intro_->PrevPage();
        QCOMPARE(intro_->StoryPage, 1);
        QCOMPARE(ShownLabels(), PageLabels[1]);
        // Walking backwards shows the same labels as walking forwards.
        GoTo(9);
        for (int page = 8; page >= 1; --page) {
            intro_->PrevPage();
            QCOMPARE(ShownLabels(), PageLabels[page]);
        }
    }

    void eachPageLiesOnItsPicture() {
        Create();
        const char* pictures[] = {"", "b7.bmp", "b7.bmp", "b7.bmp", "b7.bmp", "b1.bmp",
                                  "b3.bmp", "b3.bmp", "b4.bmp", "b4.bmp"};
        for (int page = 1; page <= 9; ++page) {
            GoTo(page);
            // On page 4 the clip's frame lies on the picture.
            const int height = page == 4 ? 120 : 300;
            QCOMPARE(intro_->surface()->canvas.Image().copy(0, 0, 400, height),
                     PagePicture(pictures[page]).copy(0, 0, 400, height));
        }
    }

    void theClipPlaysOnPageFourAndRunsOnWhenTheStoryMovesOn() {
        Create();
        QVERIFY(!intro_->ClipFailed);
        GoTo(3);
        QVERIFY(intro_->Panel1->isHidden());
        QVERIFY(!intro_->MediaPlayer1->IsPlaying());
        GoTo(4);
        QVERIFY(!intro_->Panel1->isHidden());
        QVERIFY(intro_->MediaPlayer1->IsPlaying());
        // Leaving the page hides the panel; the clip itself runs to its end.
        GoTo(5);
        QVERIFY(intro_->Panel1->isHidden());
        QVERIFY(intro_->MediaPlayer1->IsPlaying());
        QTRY_VERIFY_WITH_TIMEOUT(intro_->MediaPlayer1->AtEnd(), 30000);
        // Coming back plays it from the beginning.
        GoTo(4);
        QVERIFY(intro_->MediaPlayer1->IsPlaying());
        QVERIFY(!intro_->MediaPlayer1->AtEnd());
        QTRY_VERIFY_WITH_TIMEOUT(intro_->MediaPlayer1->AtEnd(), 30000);
        // So does a click on the panel once it has finished.
        QTest::mouseClick(intro_->Panel1, Qt::LeftButton, {}, QPoint(120, 74));
        QVERIFY(intro_->MediaPlayer1->IsPlaying());
        QVERIFY(!intro_->MediaPlayer1->AtEnd());
    }

    void withoutAClipPageFourShowsOnlyItsText_data() {
        QTest::addColumn<QString>("clip");
        QTest::newRow("missing") << "missing";
        QTest::newRow("broken") << "RIFF....AVI LIST but nothing after it";
    }

    void withoutAClipPageFourShowsOnlyItsText() {
        QFETCH(QString, clip);
        Create(clip);
        // A missing file is known at once; a broken one when its page comes.
        QCOMPARE(intro_->ClipFailed, clip == "missing");
        GoTo(4);
        QVERIFY(intro_->ClipFailed);
        for (int page = 1; page <= 9; ++page) {
            GoTo(page);
            QVERIFY(intro_->Panel1->isHidden());
            QCOMPARE(ShownLabels(), PageLabels[page]);
        }
        GoTo(4);
        intro_->Panel1Click();
        QVERIFY(!intro_->MediaPlayer1->IsPlaying());
        QCOMPARE(intro_->StoryPage, 4);
    }

    void withoutTheClipModulePageFourShowsOnlyItsText_data() {
        QTest::addColumn<QByteArray>("module");  // empty: none at all
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("broken") << QByteArray("\x7f" "ELF but nothing a loader could use");
    }

    void withoutTheClipModulePageFourShowsOnlyItsText() {
        QFETCH(QByteArray, module);
        QTemporaryDir modules;
        QVERIFY(modules.isValid());
        if (!module.isEmpty()) {
            QFile file(modules.path() + "/tarnwick_clip.so");
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(module);
        }
        SetGameModuleFolder(modules.path());
        Create();
        QVERIFY(!intro_->ClipFailed);  // the clip file is there
        GoTo(4);
        SetGameModuleFolder(PROGRAM_DIR);
        QVERIFY(intro_->ClipFailed);
        QVERIFY(intro_->Panel1->isHidden());
        QCOMPARE(ShownLabels(), PageLabels[4]);
        // No frame is drawn for a clip that is not there: the page is its picture.
        QCOMPARE(intro_->surface()->canvas.Image(), PagePicture("b7.bmp"));
        intro_->Panel1Click();
        QVERIFY(!intro_->MediaPlayer1->IsPlaying());
        // Once failed, always failed: the module is not looked for again.
        GoTo(5);
        GoTo(4);
        QVERIFY(intro_->Panel1->isHidden());
        QVERIFY(!intro_->MediaPlayer1->IsOpen());
    }

    void everyShowingStartsOnPageOneInTheLanguageOfTheMoment() {
        Create();
        GoTo(6);
        rig_.game.Language = 1;
        QCOMPARE(intro_->ShowModal(), ModalDone);
        QCOMPARE(shownOnPage_, 1);
        QCOMPARE(ShownLabels(), PageLabels[1]);
        QVERIFY(!intro_->UpBtn->isEnabled());
        QVERIFY(intro_->Label[1]->text().startsWith("Vor langer"));
        QCOMPARE(intro_->Label[18]->text(), QString("Dich!"));
        QCOMPARE(intro_->OKBtn->toolTip(), QString("Ich möcht beginnen."));
        rig_.game.Language = 0;
        QVERIFY(intro_->Label[1]->text().startsWith("Vor langer"));  // until the next showing
        intro_->ShowModal();
        QVERIFY(intro_->Label[1]->text().startsWith("Long, long ago"));
        QCOMPARE(intro_->DownBtn->toolTip(), QString("Go on."));
    }

    void onlyTheOKButtonEndsTheStory() {
        Create();
        SetModalScript({});
        QTimer::singleShot(0, intro_.get(), [this] {
            intro_->reject();  // Escape and the window manager are ignored
            QTimer::singleShot(0, intro_.get(), [this] { intro_->OKBtn->click(); });
        });
        QCOMPARE(intro_->ShowModal(), ModalDone);
        SetModalScript([this](QDialog* window) {
            shownOnPage_ = static_cast<TIntroWin*>(window)->StoryPage;
            return ModalDone;
        });
    }

    void everyTextFitsItsLabel() {
        Create();
        for (int language : {0, 1}) {
            rig_.game.Language = language;
            intro_->Activate();
            for (int n = 1; n <= 19; ++n) {
                const PageLabel* label = intro_->Label[n];
                const QRect text = label->TextRect();
                QVERIFY2(!text.isEmpty() && label->rect().contains(text),
                         qPrintable(QString("Label%1 in language %2").arg(n).arg(language)));
            }
        }
    }
};

QTEST_MAIN(StoryPagesTest)
#include "StoryPagesTest.moc"
