#include "riddles/RiddleRooms.h"

#include "riddles/Riddle1.h"
#include "riddles/Riddle12.h"
#include "riddles/Riddle5.h"
#include "riddles/Riddle6.h"

namespace tarnwick {

TRiddleWin* MakeRiddleWindow(int room) {
    switch (room) {
    case 1: return new TRiddle1Win;
    case 5: return new TRiddle5Win;
    case 6: return new TRiddle6Win;
    case 12: return new TRiddle12Win;
    default: return nullptr;
    }
}

}  // namespace tarnwick
