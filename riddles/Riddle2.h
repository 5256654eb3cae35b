#pragma once
// Room 2, the room of restriction.
#include "riddles/RiddleWin.h"

namespace tarnwick {

class TRiddle2Win : public TRiddleWin {
    Q_OBJECT
public:
    TRiddle2Win();
};

}  // namespace tarnwick
