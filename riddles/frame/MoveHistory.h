// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The moves of one visit to a room, to be taken back and made again: a
// copy of the room as it stood at its entry and after every move since (a
// reset among them), each with whether the success button showed, and the
// copy the room stands at now. Taking a move back puts the room back as
// the copy before stood; a new move forgets the moves taken back.
#include <memory>
#include <optional>
#include <vector>

#include "riddles/frame/RoomRules.h"

namespace tarnwick {

class MoveHistory {
public:
    // The room as it stands at its entry; the history starts afresh.
    void Start(const RoomRules& room, bool solvedShown) {
        entries_.clear();
        entries_.push_back({room.Copy(), solvedShown});
        at_ = 0;
    }

    // After a move: keeps a copy of the room as it stands now, unless
    // nothing changed since the copy it stands at (no move made, the same
    // button showing) or a move is still half made. `always`: keep one all
    // the same (a reset, which is a move of its own).
    void Record(const RoomRules& room, bool solvedShown, bool always = false) {
        if (entries_.empty() || room.MoveUnderway()) return;
        const Entry& here = entries_[at_];
        if (!always && room.MovesMade() == here.room->MovesMade() && solvedShown == here.solvedShown) return;
        entries_.resize(at_ + 1);
        entries_.push_back({room.Copy(), solvedShown});
        at_ = entries_.size() - 1;
    }

    bool CanUndo() const { return at_ > 0; }
    bool CanRedo() const { return at_ + 1 < entries_.size(); }

    // The room put back one copy (Undo) or forward one (Redo); the button
    // that showed then. Nothing while there is none, or while a move is
    // half made.
    std::optional<bool> Undo(RoomRules& room) { return CanUndo() ? GoTo(room, at_ - 1) : std::nullopt; }
    std::optional<bool> Redo(RoomRules& room) { return CanRedo() ? GoTo(room, at_ + 1) : std::nullopt; }

    std::size_t Copies() const { return entries_.size(); }

private:
    struct Entry {
        std::unique_ptr<RoomRules> room;
        bool solvedShown = false;
    };

    std::optional<bool> GoTo(RoomRules& room, std::size_t at) {
        if (room.MoveUnderway()) return std::nullopt;
        at_ = at;
        room.Restore(*entries_[at_].room);
        return entries_[at_].solvedShown;
    }

    std::vector<Entry> entries_;
    std::size_t at_ = 0;
};

}  // namespace tarnwick
