// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The congratulation when the corridors are back in their proper pattern.
#include "stage/TextScene.h"

namespace tarnwick {

class TMazeWin : public TextScene {
    Q_OBJECT
public:
    explicit TMazeWin(const Stage& stage);
};

}  // namespace tarnwick
