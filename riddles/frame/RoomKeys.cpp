// SPDX-License-Identifier: GPL-3.0-or-later
#include "riddles/frame/RoomKeys.h"

#include <QShortcut>
#include <QWidget>

namespace tarnwick {

const std::vector<QKeySequence>& UndoKeys() {
    static const std::vector<QKeySequence> keys{QKeySequence(Qt::CTRL | Qt::Key_Z)};
    return keys;
}

const std::vector<QKeySequence>& RedoKeys() {
    static const std::vector<QKeySequence> keys{QKeySequence(Qt::CTRL | Qt::Key_Y),
                                                QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)};
    return keys;
}

const std::vector<QKeySequence>& HintKeys() {
    static const std::vector<QKeySequence> keys{QKeySequence(Qt::Key_H)};
    return keys;
}

void AddRoomKeys(QWidget* room, const RoomKeyActions& actions) {
    const auto bind = [room](const std::vector<QKeySequence>& keys, const std::function<void()>& action) {
        for (const QKeySequence& key : keys) {
            auto* shortcut = new QShortcut(key, room);
            shortcut->setContext(Qt::WidgetWithChildrenShortcut);
            QObject::connect(shortcut, &QShortcut::activated, room, action);
        }
    };
    bind(UndoKeys(), actions.undo);
    bind(RedoKeys(), actions.redo);
    bind(HintKeys(), actions.hint);
}

}  // namespace tarnwick
