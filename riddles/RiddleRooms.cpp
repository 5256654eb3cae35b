#include "riddles/RiddleRooms.h"

#include "riddles/Riddle1.h"
#include "riddles/Riddle3.h"
#include "riddles/Riddle8.h"

namespace tarnwick {

TRiddleWin* MakeRiddleWindow(int room) {
    switch (room) {
    case 1: return new TRiddle1Win;
    case 3: return new TRiddle3Win;
    case 8: return new TRiddle8Win;
    default: return nullptr;
    }
}

}  // namespace tarnwick
