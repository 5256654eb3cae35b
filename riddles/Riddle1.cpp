#include "riddles/Riddle1.h"

#include "riddles/EntanglingRules.h"

namespace tarnwick {

TRiddle1Win* Riddle1Win = nullptr;

TRiddle1Win::TRiddle1Win() : TRiddleWin(1, std::make_unique<EntanglingRules>()) {}

}  // namespace tarnwick
