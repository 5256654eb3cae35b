#pragma once
// Room 6, the room of sayings, with the line of typed letters below its
// grid.
#include "riddles/RiddleWin.h"

namespace tarnwick {

class TRiddle6Win : public TRiddleWin {
    Q_OBJECT
public:
    TRiddle6Win();

    QLabel* spell;
};

}  // namespace tarnwick
