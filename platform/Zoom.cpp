// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Zoom.h"

#include <QApplication>
#include <QBackingStore>
#include <QHash>
#include <QPixmapCache>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

// Qt sets a screen's scale once, from the desktop and the environment; the
// zoom changes it while the game runs, as Qt's own high-DPI support does.
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/private/qhighdpiscaling_p.h>

namespace tarnwick {

namespace {

int zoom = 1;
// Each screen's own scale, beneath the zoom, by screen name; the scale
// the user set for the whole program is applied apart from it.
QHash<QString, qreal> baseScales;

qreal GlobalScale() {
    bool ok = false;
    const qreal set = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    return ok && set > 0 ? set : 1.0;
}

qreal BaseScale(QScreen* screen) {
    const QString name = screen->name();
    auto known = baseScales.constFind(name);
    if (known != baseScales.constEnd()) return *known;
    const qreal base = QHighDpiScaling::factor(screen) / GlobalScale() / zoom;
    baseScales.insert(name, base);
    return base;
}

void ApplyZoom(QScreen* screen) { QHighDpiScaling::setScreenFactor(screen, BaseScale(screen) * zoom); }

}  // namespace

int GameZoom() { return zoom; }

void SetGameZoom(int wanted) {
    wanted = std::max(1, wanted);
    if (wanted == zoom) return;
    // Each screen's base is known before the first change; screens that
    // come later get the zoom as they come.
    static const bool watching = [] {
        QObject::connect(qApp, &QGuiApplication::screenAdded, qApp, [](QScreen* screen) { ApplyZoom(screen); });
        return true;
    }();
    (void)watching;
    for (QScreen* screen : QGuiApplication::screens()) BaseScale(screen);
    zoom = wanted;
    for (QScreen* screen : QGuiApplication::screens()) ApplyZoom(screen);
    // Pictures drawn and cached at the old scale are drawn again.
    QGuiApplicationPrivate::resetCachedDevicePixelRatio();
    QPixmapCache::clear();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        QWindow* native = window->windowHandle();
        if (!native) continue;
        // The native window takes the size its logical size now has; its
        // size limits are handed to the desktop anew at the new scale.
        const QSize least = native->minimumSize(), most = native->maximumSize();
        native->setMinimumSize(QSize(0, 0));
        native->setMaximumSize(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
        native->resize(window->size());
        native->setMinimumSize(least);
        native->setMaximumSize(most);
        // So does the picture the window is drawn into.
        if (QBackingStore* store = window->backingStore()) store->resize(window->size());
        window->update();
        for (QWidget* child : window->findChildren<QWidget*>()) child->update();
    }
}

int LargestZoom(const QWidget* window, QSize size, bool fullScreen) {
    const QScreen* screen = window->screen();
    if (!screen || size.isEmpty()) return 1;
    // Sizes at zoom 1: the screen's logical size grows as the zoom falls.
    const QRect area = fullScreen ? screen->geometry() : screen->availableGeometry();
    QSize room = area.size() * zoom;
    if (!fullScreen) room -= (window->frameGeometry().size() - window->size()) * zoom;
    return std::max(1, std::min(room.width() / size.width(), room.height() / size.height()));
}

}  // namespace tarnwick
