// SPDX-License-Identifier: GPL-3.0-or-later
// The baseline every start-up figure is held against: what a user gets
// from the plainest Qt Widgets program, one window of the main window's
// size painted black. It links Qt Widgets and nothing else, and runs until
// it is stopped (by the first-paint probe, or by the idle benchmark).
#include <QApplication>
#include <QPainter>
#include <QWidget>

namespace {

class BareWindow : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), Qt::black); }
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    BareWindow window;
    window.setObjectName("window");
    window.setWindowTitle("bare");
    window.setFixedSize(594, 410);
    window.show();
    return app.exec();
}
