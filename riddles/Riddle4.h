#pragma once
// Room 4, the room of alteration.
#include "riddles/RiddleWin.h"

namespace tarnwick {

class TRiddle4Win : public TRiddleWin {
    Q_OBJECT
public:
    TRiddle4Win();
};

}  // namespace tarnwick
