// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plays the cue wave files with Qt Multimedia on a thread of its own, so
// no cue ever waits for the sound system. A missing file, or no audio
// device at all, is silence. This is the sound module, loaded by
// LazyCuePlayer at the first cue that is to be heard; the game itself
// never links Qt Multimedia.
#include <QObject>
#include <QThread>

#include "platform/CuePlayer.h"

namespace tarnwick {

class WaveCuePlayer : public CuePlayer {
public:
    WaveCuePlayer();
    ~WaveCuePlayer() override;

    void Stop() override;
    void Play(int cue, const std::string& waveFile) override;

private:
    QThread thread_;
    QObject* worker_;
};

}  // namespace tarnwick
