// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SceneStack.h"

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QTimer>
#include <vector>

#include "platform/SceneCaption.h"
#include "platform/SceneWindow.h"
#include "platform/WindowRoles.h"

namespace tarnwick {

namespace {

struct Entry {
    QPointer<QDialog> scene;
    QPointer<QWidget> outer;   // the scene, or its caption
    QPointer<QWidget> shield;  // takes the clicks meant for what lies under the scene
    QPointer<QWidget> focusBefore;
};

std::vector<Entry> stack;

bool Within(const QWidget* widget, const QWidget* outer) {
    return widget && outer && (widget == outer || outer->isAncestorOf(widget));
}

bool TakesFocus(const QWidget* widget) {
    return widget->isVisible() && widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus);
}

// The control of a scene the keyboard goes to: the one last given the
// focus, else the first (or with `last` the last) one that takes it, else
// the scene itself.
QWidget* FocusTarget(QDialog* scene, QWidget* outer, bool last) {
    QWidget* chosen = scene->focusWidget();
    if (chosen && Within(chosen, outer) && TakesFocus(chosen) && !last) return chosen;
    chosen = nullptr;
    QWidget* widget = outer;
    do {
        widget = widget->nextInFocusChain();
        if (widget != outer && Within(widget, outer) && TakesFocus(widget)) {
            chosen = widget;
            if (!last) break;
        }
    } while (widget != outer);
    return chosen ? chosen : scene;
}

void FocusInto(const Entry& entry, bool last = false) {
    if (!entry.scene || !entry.outer || !entry.scene->isVisible()) return;
    FocusTarget(entry.scene, entry.outer, last)->setFocus(last ? Qt::BacktabFocusReason : Qt::TabFocusReason);
}

// While a scene is up, what lies under it takes no input: no click
// reaches it, and the keyboard focus goes back into the top scene.
class InputGuard : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (stack.empty() || !watched->isWidgetType()) return false;
        const Entry& top = stack.back();
        // Once the top scene shows, the keyboard is inside it.
        if (event->type() == QEvent::Show && watched == top.scene) {
            FocusInto(top);
            return false;
        }
        auto* widget = static_cast<QWidget*>(watched);
        QWidget* host = SceneHost();
        if (!top.outer || !host || widget->window() != host->window()) return false;
        if (Within(widget, top.outer)) return false;
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            return true;
        case QEvent::FocusIn: {
            const bool backwards = static_cast<QFocusEvent*>(event)->reason() == Qt::BacktabFocusReason;
            QPointer<QDialog> scene = top.scene;
            QTimer::singleShot(0, scene, [scene, backwards] {
                for (const Entry& entry : stack)
                    if (entry.scene == scene && &entry == &stack.back()) FocusInto(entry, backwards);
            });
            return false;
        }
        default:
            return false;
        }
    }
};

void GuardInput() {
    static InputGuard* guard = nullptr;
    if (guard) return;
    guard = new InputGuard;
    guard->setParent(qApp);
    qApp->installEventFilter(guard);
}

}  // namespace

SceneStack::Shown::Shown(QDialog* scene) {
    QWidget* host = SceneHost();
    Entry entry{scene, Outer(scene), nullptr, QApplication::focusWidget()};
    if (host) {
        entry.shield = new QWidget(host);
        entry.shield->setObjectName(QStringLiteral("SceneShield"));
        entry.shield->setGeometry(host->rect());
        entry.shield->show();
        entry.shield->raise();
        QWidget* outer = entry.outer;
        outer->move((host->width() - outer->width()) / 2, (host->height() - outer->height()) / 2);
        outer->raise();
        if (outer != scene) outer->show();
    }
    stack.push_back(entry);
    GuardInput();
    if (host) NameTopScene(host->window(), scene->objectName(), entry.outer);
}

SceneStack::Shown::~Shown() {
    const Entry entry = stack.back();
    stack.pop_back();
    if (entry.outer && entry.outer != entry.scene) entry.outer->hide();
    delete entry.shield;
    if (QWidget* host = SceneHost()) {
        if (stack.empty() || !stack.back().scene) {
            NameTopScene(host->window());
        } else {
            NameTopScene(host->window(), stack.back().scene->objectName(), stack.back().outer);
        }
    }
    if (entry.focusBefore && entry.focusBefore->isVisible()) {
        entry.focusBefore->setFocus(Qt::OtherFocusReason);
    } else if (!stack.empty()) {
        FocusInto(stack.back());
    }
}

bool SceneStack::FocusNextWithin(QWidget* scene, bool next) {
    QList<QWidget*> controls;
    for (QWidget* widget = scene->nextInFocusChain(); widget != scene; widget = widget->nextInFocusChain())
        if (scene->isAncestorOf(widget) && TakesFocus(widget)) controls << widget;
    if (controls.isEmpty()) return false;
    const qsizetype at = controls.indexOf(QApplication::focusWidget());
    const qsizetype count = controls.size();
    const qsizetype to = at < 0 ? (next ? 0 : count - 1) : (at + (next ? 1 : count - 1)) % count;
    controls[to]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

QList<QDialog*> SceneStack::Scenes() {
    QList<QDialog*> scenes;
    for (const Entry& entry : stack)
        if (entry.scene) scenes << entry.scene;
    return scenes;
}

QWidget* SceneStack::Outer(QDialog* scene) {
    if (qobject_cast<DialogScene*>(scene)) return SceneCaption::Around(scene);
    return scene;
}

}  // namespace tarnwick
