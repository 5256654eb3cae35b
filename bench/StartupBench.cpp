// Start-up to the first painted window, and the peak memory then: the game
// against a bare Qt program that shows one empty window of the same size.
//   startup_bench game   runs the game until its labyrinth is painted
//   startup_bench bare   runs the bare window until it is painted
// Each prints "<milliseconds since process start> <peak KiB>" and exits.
#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <time.h>

#include "shell/GameProgram.h"
#include "shell/Main.h"

namespace {

double ProcessAgeMs() {
    // Start time of this process (jiffies since boot) against now.
    std::ifstream stat("/proc/self/stat");
    std::string field;
    for (int i = 0; i < 22 && stat >> field; ++i) {}
    const double startSeconds = std::stod(field) / sysconf(_SC_CLK_TCK);
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return (now.tv_sec + now.tv_nsec / 1e9 - startSeconds) * 1000.0;
}

long PeakKiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    return 0;
}

void Report() {
    std::printf("%.1f %ld\n", ProcessAgeMs(), PeakKiB());
    std::fflush(stdout);
}

// Quits right after the watched widget's first paint has been handled.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, [] {
                Report();
                std::_Exit(0);
            });
        }
        return false;
    }

private:
    bool seen_ = false;
};

class BareWindow : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), Qt::black); }
};

}  // namespace

int main(int argc, char* argv[]) {
    FirstPaint watcher;
    if (argc > 1 && std::strcmp(argv[1], "bare") == 0) {
        QApplication app(argc, argv);
        BareWindow window;
        window.setFixedSize(594, 410);
        window.installEventFilter(&watcher);
        window.show();
        return app.exec();
    }
    return tarnwick::RunTarnwick(argc, argv, [&](tarnwick::TMainForm& form) {
        form.box->installEventFilter(&watcher);
    });
}
