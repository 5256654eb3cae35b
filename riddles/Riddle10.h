#pragma once
// Room 10, the room of loneliness.
#include "riddles/RiddleWin.h"

namespace tarnwick {

class TRiddle10Win : public TRiddleWin {
    Q_OBJECT
public:
    TRiddle10Win();
};

}  // namespace tarnwick
