#pragma once
// Room 1, the room of entangling.
#include "riddles/RiddleWin.h"

namespace tarnwick {

class TRiddle1Win : public TRiddleWin {
    Q_OBJECT
public:
    TRiddle1Win();
};

}  // namespace tarnwick
