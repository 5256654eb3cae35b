// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LazyCuePlayer.h"

#include "platform/GameModule.h"
#include "platform/RegularFile.h"

namespace tarnwick {

LazyCuePlayer::LazyCuePlayer() = default;
LazyCuePlayer::~LazyCuePlayer() = default;

void LazyCuePlayer::Stop() {
    // Nothing can be playing before the first cue was heard.
    if (player_) player_->Stop();
}

void LazyCuePlayer::Play(int cue, const std::string& waveFile) {
    if (!tried_) {
        tried_ = true;
        auto make = reinterpret_cast<MakeCuePlayerFunction>(
            GameModuleSymbol(SoundModuleName, MakeCuePlayerSymbol));
        if (make) player_.reset(make());
    }
    // A wave file is only handed on when it is a regular file: a FIFO or a
    // device in its place plays nothing, as a missing file does.
    if (player_ && IsRegularFile(waveFile)) player_->Play(cue, waveFile);
}

}  // namespace tarnwick
