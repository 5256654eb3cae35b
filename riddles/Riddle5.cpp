#include "riddles/Riddle5.h"

#include "riddles/CorridorView.h"
#include "riddles/DisplacementRules.h"

namespace tarnwick {

TRiddle5Win::TRiddle5Win() : TRiddleWin(5, MakeRoom<CorridorView>(std::make_unique<DisplacementRules>())) {}

}  // namespace tarnwick
