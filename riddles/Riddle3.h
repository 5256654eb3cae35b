#pragma once
// Room 3, the knight's room.
#include "riddles/RiddleWin.h"

namespace tarnwick {

class TRiddle3Win : public TRiddleWin {
    Q_OBJECT
public:
    TRiddle3Win();
};

}  // namespace tarnwick
