// SPDX-License-Identifier: GPL-3.0-or-later
// The main window on a screen of twice the density, as a fractional factor
// (1.5) rounds to: every labyrinth pixel an exact 2 x 2 block, and the tool
// bar's glyphs drawn from their twice-as-dense twins.
#include <QApplication>
#include <QtTest>
#include <memory>

#include "platform/WholeScale.h"
#include "shell/Main.h"
#include "support/WindowsRig.h"

using namespace tarnwick;

class WholeScaleTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<testing::WindowsRig> rig_;
    TMainForm* main_ = nullptr;

private slots:
    void initTestCase() {
        rig_ = std::make_unique<testing::WindowsRig>();
        QVERIFY(rig_->Ready());
        main_ = rig_->windows.MainForm;
        main_->FirstActivation = false;
        main_->show();
    }

    void cleanupTestCase() { rig_.reset(); }

    void theScaleIsTheNearestWholeNumber() { QCOMPARE(main_->devicePixelRatioF(), 2.0); }

    void theLabyrinthIsAnExactDoublingOfItsPicture() {
        const QImage shown = main_->box->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QImage plain(main_->box->size(), QImage::Format_RGB32);
        main_->box->render(&plain);
        QCOMPARE(shown.size(), 2 * plain.size());
        int mismatches = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                mismatches += shown.pixel(x, y) != plain.pixel(x / 2, y / 2);
        QCOMPARE(mismatches, 0);
    }

    void theToolBarDrawsTheSharpGlyphs() {
        for (TSpeedButton* button : {main_->RestartBtn, main_->soundbtn, main_->FennickBtn}) {
            const QSize size = button->iconSize();
            QCOMPARE(button->icon().pixmap(size, 2.0).size(), 2 * size);
        }
        const QImage sharp = QImage(":/glyphs/restart@2x.png").convertToFormat(QImage::Format_ARGB32);
        const QImage drawn =
            main_->RestartBtn->icon().pixmap(QSize(20, 20), 2.0).toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(drawn, sharp);
    }
};

int main(int argc, char* argv[]) {
    UseWholeScaleFactors();
    QApplication app(argc, argv);
    WholeScaleTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "WholeScaleTest.moc"
