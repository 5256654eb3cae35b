// SPDX-License-Identifier: GPL-3.0-or-later
// The tool bar's speed button draws exactly what the style's raise-on-hover
// tool button draws, in every state and at both zooms: the two side by
// side, with the same glyph, place and colours, compared pixel for pixel.
#include <QApplication>
#include <QToolButton>
#include <QtTest>

#include "platform/FocusFrameStyle.h"
#include "platform/Glyphs.h"
#include "platform/SpeedButton.h"
#include "platform/Zoom.h"

using namespace tarnwick;

namespace {

// A strip of the tool bar's colour holding one button of each kind where
// the tool bar has them: a plain one and the wide one at the end.
QWidget* Strip(QWidget* window, QPoint at) {
    auto* strip = new QWidget(window);
    strip->setGeometry(QRect(at, QSize(80, 33)));
    strip->setAutoFillBackground(true);
    QPalette palette = strip->palette();
    palette.setColor(QPalette::Window, QColor(0x3b, 0x2a, 0x1e));
    strip->setPalette(palette);
    return strip;
}

template <typename Button>
Button* Place(QWidget* strip, int left, int width, const char* glyph) {
    auto* button = new Button(strip);
    button->setGeometry(left, 4, width, 25);
    const QString path = QString(":/glyphs/") + glyph;
    button->setIcon(GlyphIcon(path));
    button->setIconSize(GlyphSize(path));
    button->setFocusPolicy(Qt::NoFocus);
    button->setCheckable(true);
    return button;
}

}  // namespace

class SpeedButtonTest : public QObject {
    Q_OBJECT

private slots:
    void drawsAsTheStylesToolButton() {
        QWidget window;
        window.resize(180, 33);
        QWidget* old = Strip(&window, QPoint(0, 0));
        QWidget* ours = Strip(&window, QPoint(100, 0));
        QList<QAbstractButton*> olds, news;
        for (const auto& [left, width, glyph] : {std::tuple{4, 25, "sound.png"}, {40, 32, "fennick.png"}}) {
            auto* tool = Place<QToolButton>(old, left, width, glyph);
            tool->setAutoRaise(true);
            olds << tool;
            news << Place<TSpeedButton>(ours, left, width, glyph);
        }
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        struct State {
            const char* name;
            bool hover, down, checked, enabled;
        };
        const State states[] = {
            {"at rest", false, false, false, true},        {"under the mouse", true, false, false, true},
            {"pressed", true, true, false, true},          {"pressed, mouse gone", false, true, false, true},
            {"checked", false, false, true, true},         {"checked under the mouse", true, false, true, true},
            {"checked and pressed", true, true, true, true}, {"disabled", false, false, false, false},
            {"disabled, checked", false, false, true, false}, {"disabled under the mouse", true, false, false, false},
        };
        for (int zoom : {1, 2}) {
            SetGameZoom(zoom);
            for (int i = 0; i < olds.size(); ++i) {
                QList<QImage> looks;
                for (const State& state : states) {
                    for (QAbstractButton* button : {olds[i], news[i]}) {
                        button->setEnabled(state.enabled);
                        button->setChecked(state.checked);
                        button->setDown(state.down);
                        // The mark Qt sets as the mouse comes in.
                        button->setAttribute(Qt::WA_UnderMouse, state.hover);
                    }
                    const QImage drawn = old->grab().toImage(), redrawn = ours->grab().toImage();
                    const QByteArray what = QByteArray(state.name) + ", button " + QByteArray::number(i) +
                                            ", zoom " + QByteArray::number(zoom);
                    QVERIFY2(drawn.size() == zoom * old->size(), what);
                    QVERIFY2(drawn == redrawn, what);
                    if (!looks.contains(drawn)) looks << drawn;
                    for (QAbstractButton* button : {olds[i], news[i]}) {
                        button->setDown(false);
                        button->setChecked(false);
                        button->setEnabled(true);
                    }
                }
                // Rest, hover, pressed, checked and disabled each look
                // their own, so the comparison saw every one of them.
                QVERIFY(looks.size() >= 5);
            }
        }
        SetGameZoom(1);
    }
};

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    UseFocusFrameStyle();
    SpeedButtonTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "SpeedButtonTest.moc"
