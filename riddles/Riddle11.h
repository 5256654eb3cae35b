#pragma once
// Room 11, the room of disappearance.
#include "riddles/RiddleWin.h"

namespace tarnwick {

class TRiddle11Win : public TRiddleWin {
    Q_OBJECT
public:
    TRiddle11Win();
};

}  // namespace tarnwick
