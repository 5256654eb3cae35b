// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game in play kept safe against an end the player did not choose (the
// game killed or crashed, the power lost, the session logged out): one
// saved-game record in a file of the user's data folder, written anew
// whenever the record the game would save changes. The quit question's
// end removes it; a start that finds it takes it instead of the last saved
// game. A lock beside it says that a running game holds it: a second copy
// of the game started meanwhile leaves both alone. The player's own saved
// games are other files, and never written here.
#include <QLockFile>
#include <memory>
#include <optional>
#include <string>

#include "state/SavedGame.h"

namespace tarnwick {

class RecoveryFile {
public:
    // The file and its lock in `folder` (with a trailing '/'), made when
    // missing.
    explicit RecoveryFile(std::string folder);
    RecoveryFile(const RecoveryFile&) = delete;
    RecoveryFile& operator=(const RecoveryFile&) = delete;

    // Takes this session's hold on the file; false when another game that
    // is running holds it, or the folder cannot be written, and from then
    // on for the whole session (what another game keeps stays its own). Without the
    // hold nothing below reads, writes or removes anything.
    bool Hold();
    bool Held() const { return lock_ != nullptr; }
    // A file lies there: left by a session that ended unannounced, or kept
    // by a game still running.
    bool Present() const;

    // The game a session that ended unannounced left, which this session
    // now keeps (the file stays until it changes); nothing when there is
    // none. A damaged file is removed.
    std::optional<SavedGame> Left();
    // The game as this session starts it: nothing is written until it
    // changes.
    void Start(const GameInPlay& play);
    // Writes the game when its record differs from the one last kept,
    // taking the hold first if this session has none yet.
    void Keep(const GameInPlay& play);
    // The end through the quit question: the file goes, nothing more is
    // written and the hold is given up.
    void End();

    std::string Path() const { return folder_ + "recovery.rec"; }
    std::string LockPath() const { return folder_ + "recovery.lock"; }

private:
    std::string folder_;
    std::unique_ptr<QLockFile> lock_;
    bool refused_ = false;  // a hold once refused is not tried again
    std::optional<SavedGameBytes> kept_;  // the record the file holds, or the start's
};

}  // namespace tarnwick
