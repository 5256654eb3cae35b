#pragma once
// The end of the mission: the king has his chess board back. Shown over the
// throne room, which stays on top: so does this.
#include "stage/TextScene.h"

namespace tarnwick {

class TDoneWin : public TextScene {
    Q_OBJECT
public:
    explicit TDoneWin(const Stage& stage);
};

}  // namespace tarnwick
