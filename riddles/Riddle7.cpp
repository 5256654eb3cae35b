#include "riddles/Riddle7.h"

#include "riddles/DuelRules.h"
#include "riddles/DuelView.h"

namespace tarnwick {

TRiddle7Win::TRiddle7Win() : TRiddleWin(7, MakeRoom<DuelView>(std::make_unique<DuelRules>(CurrentGameRandom()))) {}

}  // namespace tarnwick
