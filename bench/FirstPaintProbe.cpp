// Preloaded (LD_PRELOAD) into the program under measurement, unchanged:
// when the widget named in FIRST_PAINT_WIDGET (its object name, or the
// parent's object name and the widget's class as "TMainForm/tarnwick::
// PaintBox", for programs that leave it unnamed) has handled its first paint,
// the probe writes the monotonic clock in nanoseconds to the file
// descriptor FIRST_PAINT_FD and ends the process at once. The program's
// peak memory is then what its parent reads from wait4().
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <unistd.h>

namespace {

void ReportAndExit() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const char* fd = std::getenv("FIRST_PAINT_FD");
    if (fd) {
        const std::string line =
            std::to_string(now.tv_sec * 1000000000LL + now.tv_nsec) + "\n";
        if (write(std::atoi(fd), line.data(), line.size()) < 0) std::_Exit(2);
    }
    std::_Exit(0);
}

class FirstPaint : public QObject {
public:
    explicit FirstPaint(QString widget) : widget_(std::move(widget)) {}

    bool eventFilter(QObject* object, QEvent* event) override {
        if (!seen_ && event->type() == QEvent::Paint && Watched(object)) {
            seen_ = true;
            // Once this paint (and the rest of its round) is done.
            QTimer::singleShot(0, [] { ReportAndExit(); });
        }
        return false;
    }

private:
    bool Watched(const QObject* object) const {
        if (object->objectName() == widget_) return true;
        const QObject* parent = object->parent();
        return parent && parent->objectName() + "/" + object->metaObject()->className() == widget_;
    }

    QString widget_;
    bool seen_ = false;
};

void InstallProbe() {
    const char* widget = std::getenv("FIRST_PAINT_WIDGET");
    if (!widget) return;
    QCoreApplication::instance()->installEventFilter(
        new FirstPaint(QString::fromLocal8Bit(widget)));
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallProbe)
