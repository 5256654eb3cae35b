#include "riddles/RiddleRooms.h"

#include "riddles/Riddle1.h"
#include "riddles/Riddle2.h"
#include "riddles/Riddle4.h"
#include "riddles/Riddle5.h"
#include "riddles/Riddle6.h"
#include "riddles/Riddle7.h"
#include "riddles/Riddle9.h"
#include "riddles/Riddle10.h"
#include "riddles/Riddle11.h"
#include "riddles/Riddle12.h"
#include "riddles/Riddle3.h"
#include "riddles/Riddle8.h"

namespace tarnwick {

TRiddleWin* MakeRiddleWindow(int room) {
    switch (room) {
    case 1: return new TRiddle1Win;
    case 2: return new TRiddle2Win;
    case 4: return new TRiddle4Win;
    case 5: return new TRiddle5Win;
    case 6: return new TRiddle6Win;
    case 7: return new TRiddle7Win;
    case 9: return new TRiddle9Win;
    case 10: return new TRiddle10Win;
    case 11: return new TRiddle11Win;
    case 12: return new TRiddle12Win;
    case 3: return new TRiddle3Win;
    case 8: return new TRiddle8Win;
    default: return nullptr;
    }
}

}  // namespace tarnwick
