#pragma once
// Room 9, the room of confusion.
#include "riddles/RiddleWin.h"

namespace tarnwick {

class TRiddle9Win : public TRiddleWin {
    Q_OBJECT
public:
    TRiddle9Win();
};

}  // namespace tarnwick
