// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Recovery.h"

#include <QDir>
#include <QFile>
#include <utility>

#include "platform/RegularFile.h"

namespace tarnwick {

RecoveryFile::RecoveryFile(std::string folder) : folder_(std::move(folder)) {}

bool RecoveryFile::Hold() {
    if (lock_) return true;
    if (refused_) return false;
    refused_ = true;
    if (!QDir().mkpath(QString::fromStdString(folder_))) return false;
    auto lock = std::make_unique<QLockFile>(QString::fromStdString(LockPath()));
    // Held for the whole game: only a holder no longer running (its process
    // gone, or its number now another program's) lets go of it.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) return false;
    lock_ = std::move(lock);
    refused_ = false;
    return true;
}

bool RecoveryFile::Present() const { return IsRegularFile(Path()); }

std::optional<SavedGame> RecoveryFile::Left() {
    if (!lock_ || !IsRegularFile(Path())) return std::nullopt;
    const auto game = ReadSavedGameFile(Path());
    if (!game) {
        QFile::remove(QString::fromStdString(Path()));
        return std::nullopt;
    }
    kept_ = EncodeSavedGame(*game);
    return game;
}

void RecoveryFile::Start(const GameInPlay& play) {
    if (!kept_) kept_ = EncodeSavedGame(RecordFromState(play));
}

void RecoveryFile::Keep(const GameInPlay& play) {
    const SavedGame record = RecordFromState(play);
    const SavedGameBytes bytes = EncodeSavedGame(record);
    if (kept_ == bytes) return;
    // Written or not, the same record is not tried again until it changes;
    // a failure is silent, as a failed save is. The hold is taken at the
    // first change: taking it waits for the disk, and the first frame
    // need not.
    kept_ = bytes;
    if (!lock_ && !Hold()) return;
    WriteSavedGameFile(Path(), record);
}

void RecoveryFile::End() {
    // Nothing is kept after the end, nor the hold taken again.
    refused_ = true;
    if (!lock_) return;
    QFile::remove(QString::fromStdString(Path()));
    lock_.reset();
    kept_.reset();
}

}  // namespace tarnwick
