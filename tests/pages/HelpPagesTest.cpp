// SPDX-License-Identifier: GPL-3.0-or-later
// The help window on the offscreen platform: leafing through the pages
// (twelve on the game, three on its keys) with the buttons and the keys,
// their headings, texts and pictures, and texts that never spill over into
// one another, onto the buttons, or from one page onto the next.
#include <QtTest>
#include <memory>

#include "pages/Help.h"
#include "pages/HelpTexts.h"
#include "platform/SceneWindow.h"
#include "support/GameRig.h"

using namespace tarnwick;

namespace {

QImage PagePicture(const char* file) {
    return QImage(QString(PROGRAM_DIR) + file).copy(0, 0, 400, 300).convertToFormat(QImage::Format_RGB32);
}

constexpr int ButtonsTop = 268;
constexpr int ButtonsLeft = 312;

}  // namespace

class HelpPagesTest : public QObject {
    Q_OBJECT

private:
    testing::StageRig rig_;
    std::unique_ptr<THelpWin> help_;
    int shownOnPage_ = 0;

    void GoTo(int page) {
        while (help_->HelpPage < page) help_->NextPage();
        while (help_->HelpPage > page) help_->PrevPage();
    }

    // The labels that carry text, in order.
    QList<int> Filled() const {
        QList<int> filled;
        for (int n = 1; n <= 9; ++n)
            if (!help_->c[n]->text().isEmpty()) filled << n;
        return filled;
    }

    QImage Rendered() const { return help_->grab().toImage(); }

private slots:
    void initTestCase() {
        rig_.game.ProgramDir = PROGRAM_DIR;
        SetModalScript([this](QDialog* window) {
            shownOnPage_ = static_cast<THelpWin*>(window)->HelpPage;
            return ModalDone;
        });
    }

    void init() {
        rig_.game.Language = 0;
        help_ = std::make_unique<THelpWin>(rig_.stage);
        QVERIFY(help_->FormCreate());
        help_->Activate();
    }

    void cleanup() { help_.reset(); }

    void theButtonsLeafWithinThePages() {
        QCOMPARE(help_->HelpPage, 1);
        for (int page = 1; page <= HelpPageCount; ++page) {
            GoTo(page);
            QCOMPARE(help_->UpBtn->isEnabled(), page > 1);
            QCOMPARE(help_->DownBtn->isEnabled(), page < HelpPageCount);
        }
        help_->NextPage();
        QCOMPARE(help_->HelpPage, HelpPageCount);
        GoTo(1);
        help_->PrevPage();
        QCOMPARE(help_->HelpPage, 1);
    }

    void aSectionsHeadingStandsOnEachOfItsPages() {
        rig_.game.Language = 1;
        help_->Activate();
        QVERIFY(help_->c[1]->text().isEmpty());
        for (int page : {2, 5}) {
            GoTo(page);
            QCOMPARE(help_->c[1]->text(), QString("Die verwunschenen Gänge"));
        }
        GoTo(6);
        QCOMPARE(help_->c[1]->text(), QString("Die verschlossenen Kammern"));
        GoTo(12);
        QCOMPARE(help_->c[1]->text(), QString("Die zusätzlichen Rätsel"));
        GoTo(HelpPageCount);
        QCOMPARE(help_->c[1]->text(), QString("Die Tasten"));
        rig_.game.Language = 0;
        GoTo(11);
        QCOMPARE(help_->c[1]->text(), QString("The old throne room"));
    }

    void eachPageLiesOnItsPicture() {
        const char* pictures[] = {"",       "b7.bmp", "b4.bmp", "b4.bmp", "b4.bmp", "b4.bmp", "b1.bmp", "b1.bmp",
                                  "b1.bmp", "b1.bmp", "b3.bmp", "b3.bmp", "b7.bmp", "b4.bmp", "b1.bmp", "b7.bmp"};
        static_assert(std::size(pictures) == HelpPageCount + 1);
        for (int page = 1; page <= HelpPageCount; ++page) {
            GoTo(page);
            QCOMPARE(help_->surface()->canvas.Image(), PagePicture(pictures[page]));
        }
    }

    void nothingOfOnePageIsLeftOnTheNext() {
        GoTo(5);
        QCOMPARE(Filled(), (QList<int>{1, 2, 5, 9}));
        help_->NextPage();
        QCOMPARE(Filled(), (QList<int>{1, 2, 5}));
        const QImage fromPageFive = Rendered();
        GoTo(7);
        GoTo(6);
        QCOMPARE(Rendered(), fromPageFive);
        // c3, c4 and c8 never carry text.
        for (int page = 1; page <= HelpPageCount; ++page) {
            GoTo(page);
            for (int n : {3, 4, 8}) QVERIFY(help_->c[n]->text().isEmpty());
            QVERIFY(Filled().size() >= 2);
        }
    }

    void theTextsOfAPageKeepClearOfEachOtherAndOfTheButtons() {
        for (int language : {0, 1}) {
            rig_.game.Language = language;
            help_->Activate();
            for (int page = 1; page <= HelpPageCount; ++page) {
                GoTo(page);
                const QString where = QString("page %1, language %2").arg(page).arg(language);
                int bottomSoFar = 0;
                for (int n : Filled()) {
                    const PageLabel* label = help_->c[n];
                    const QRect text = label->TextRect().translated(label->pos());
                    QVERIFY2(label->geometry().contains(text), qPrintable(where + QString(", c%1").arg(n)));
                    QVERIFY2(text.top() >= bottomSoFar, qPrintable(where + QString(", c%1 overlaps").arg(n)));
                    QVERIFY2(text.bottom() < ButtonsTop || text.right() < ButtonsLeft,
                             qPrintable(where + QString(", c%1 runs into the buttons").arg(n)));
                    bottomSoFar = text.bottom() + 1;
                }
            }
        }
    }

    // The arrow keys and Page Up and Down leaf, also while a button has the
    // keyboard (which the arrow keys would otherwise move); Escape closes.
    void theKeysLeafAndClose() {
        const struct {
            int key;
            int from, to;
        } cases[] = {{Qt::Key_Right, 1, 2}, {Qt::Key_Down, 2, 3},   {Qt::Key_PageDown, 3, 4}, {Qt::Key_Left, 4, 3},
                     {Qt::Key_Up, 3, 2},    {Qt::Key_PageUp, 2, 1}, {Qt::Key_Left, 1, 1},
                     {Qt::Key_Right, HelpPageCount, HelpPageCount}};
        for (const auto& c : cases) {
            for (QWidget* target : {static_cast<QWidget*>(help_.get()), static_cast<QWidget*>(help_->OKBtn)}) {
                GoTo(c.from);
                QTest::keyClick(target, Qt::Key(c.key));
                QCOMPARE(help_->HelpPage, c.to);
            }
        }
        help_->setResult(0);
        QTest::keyClick(help_.get(), Qt::Key_Escape);
        QCOMPARE(help_->result(), ModalDone);
    }

    void everyShowingStartsOnPageOneInTheLanguageOfTheMoment() {
        GoTo(8);
        rig_.game.Language = 1;
        QCOMPARE(help_->ShowModal(), ModalDone);
        QCOMPARE(shownOnPage_, 1);
        QVERIFY(!help_->UpBtn->isEnabled());
        QVERIFY(help_->c[1]->text().isEmpty());
        QVERIFY(help_->c[2]->text().startsWith("Da Du Dich"));
        QCOMPARE(help_->OKBtn->toolTip(), QString("Genug."));
        rig_.game.Language = 0;
        help_->ShowModal();
        QVERIFY(help_->c[2]->text().startsWith("Since you"));
        QCOMPARE(help_->OKBtn->toolTip(), QString("That's enough."));
    }
};

QTEST_MAIN(HelpPagesTest)
#include "HelpPagesTest.moc"
