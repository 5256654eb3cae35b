// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keys of a riddle room: Ctrl+Z takes the last move back, Ctrl+Y or
// Ctrl+Shift+Z makes it again, H shows the hint. They work while the room,
// or anything on it, has the focus.
#include <QKeySequence>
#include <functional>
#include <vector>

class QWidget;

namespace tarnwick {

struct RoomKeyActions {
    std::function<void()> undo;
    std::function<void()> redo;
    std::function<void()> hint;
};

// The key sequences of each action.
const std::vector<QKeySequence>& UndoKeys();
const std::vector<QKeySequence>& RedoKeys();
const std::vector<QKeySequence>& HintKeys();

// Shortcuts on the room for its actions.
void AddRoomKeys(QWidget* room, const RoomKeyActions& actions);

}  // namespace tarnwick
