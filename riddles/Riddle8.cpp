#include "riddles/Riddle8.h"

#include "riddles/WanderingRules.h"
#include "riddles/WanderingView.h"

namespace tarnwick {

TRiddle8Win::TRiddle8Win() : TRiddleWin(8, MakeRoom<WanderingView>(std::make_unique<WanderingRules>())) {}

}  // namespace tarnwick
