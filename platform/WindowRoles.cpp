#include "platform/WindowRoles.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace tarnwick {

namespace {

// Gives a window its role before it first reaches the screen (the role is
// handed to the system when the native window is made).
class WindowRoleNamer : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Polish || event->type() == QEvent::Show) {
            auto* widget = qobject_cast<QWidget*>(watched);
            if (widget && widget->isWindow() && !widget->objectName().isEmpty() &&
                widget->windowRole() != widget->objectName())
                widget->setWindowRole(widget->objectName());
        }
        return false;
    }
};

}  // namespace

void NameWindowsForTheDesktop(QApplication& app) { app.installEventFilter(new WindowRoleNamer(&app)); }

}  // namespace tarnwick
