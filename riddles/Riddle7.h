#pragma once
// Room 7, the room of explosions.
#include "riddles/RiddleWin.h"

namespace tarnwick {

class TRiddle7Win : public TRiddleWin {
    Q_OBJECT
public:
    TRiddle7Win();
};

}  // namespace tarnwick
