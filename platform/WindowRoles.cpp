// SPDX-License-Identifier: GPL-3.0-or-later
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
            if (widget && widget->isWindow() && !widget->objectName().isEmpty() && widget->windowRole().isEmpty())
                widget->setWindowRole(widget->objectName());
        }
        return false;
    }
};

}  // namespace

void NameWindowsForTheDesktop(QApplication& app) { app.installEventFilter(new WindowRoleNamer(&app)); }

QString SceneRole(const QWidget* window, const QString& name, const QWidget* shown) {
    const qreal scale = window->devicePixelRatioF();
    const QRect place(shown->mapTo(window, QPoint(0, 0)), shown->size());
    return QStringLiteral("%1@%2,%3,%4,%5")
        .arg(name)
        .arg(qRound(place.x() * scale))
        .arg(qRound(place.y() * scale))
        .arg(qRound(place.width() * scale))
        .arg(qRound(place.height() * scale));
}

void NameTopScene(QWidget* window, const QString& name, const QWidget* shown) {
    if (!window) return;
    window->setWindowRole(shown ? SceneRole(window, name, shown) : window->objectName());
}

}  // namespace tarnwick
