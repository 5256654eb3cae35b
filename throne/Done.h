// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The end of the mission: the king has his chess board back, shown over the
// throne room.
#include "stage/TextScene.h"

namespace tarnwick {

class TDoneWin : public TextScene {
    Q_OBJECT
public:
    explicit TDoneWin(const Stage& stage);
};

}  // namespace tarnwick
