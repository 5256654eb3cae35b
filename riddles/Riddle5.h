#pragma once
// Room 5, the room of displacement.
#include "riddles/RiddleWin.h"

namespace tarnwick {

class TRiddle5Win : public TRiddleWin {
    Q_OBJECT
public:
    TRiddle5Win();
};

}  // namespace tarnwick
