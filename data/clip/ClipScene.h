// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The story clip: the king's chess board on its table, the chancellor's
// spell strikes it, it cracks into its twelve pieces and they fly apart.
#include <QImage>

#include "BoardTiling.h"

namespace tarnwick::clip {

class ClipScene {
public:
    static constexpr int FramesPerSecond = 15;
    static constexpr int FrameCount = 75;  // five seconds

    ClipScene();
    QImage frame(int n) const;

private:
    BoardTiling tiling_;
    QImage table_;
};

}  // namespace tarnwick::clip
