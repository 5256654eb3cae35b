#include "riddles/RiddleRooms.h"

#include "riddles/Riddle1.h"

namespace tarnwick {

TRiddleWin* MakeRiddleWindow(int room) {
    switch (room) {
    case 1: return new TRiddle1Win;
    default: return nullptr;
    }
}

}  // namespace tarnwick
