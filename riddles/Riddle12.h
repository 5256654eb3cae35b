#pragma once
// Room 12, the room of separation.
#include "riddles/RiddleWin.h"

namespace tarnwick {

class TRiddle12Win : public TRiddleWin {
    Q_OBJECT
public:
    TRiddle12Win();
};

}  // namespace tarnwick
