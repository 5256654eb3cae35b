#include "riddles/RiddleRooms.h"

#include "riddles/Riddle1.h"
#include "riddles/Riddle7.h"

namespace tarnwick {

TRiddleWin* MakeRiddleWindow(int room) {
    switch (room) {
    case 1: return new TRiddle1Win;
    case 7: return new TRiddle7Win;
    default: return nullptr;
    }
}

}  // namespace tarnwick
