#pragma once
// Room 8, the room of wandering.
#include "riddles/RiddleWin.h"

namespace tarnwick {

class TRiddle8Win : public TRiddleWin {
    Q_OBJECT
public:
    TRiddle8Win();
};

}  // namespace tarnwick
