#include "riddles/Riddle12.h"

#include "riddles/CutLineView.h"
#include "riddles/SeparationRules.h"

namespace tarnwick {

TRiddle12Win::TRiddle12Win() : TRiddleWin(12, MakeRoom<CutLineView>(std::make_unique<SeparationRules>())) {}

}  // namespace tarnwick
