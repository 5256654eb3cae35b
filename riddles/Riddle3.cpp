#include "riddles/Riddle3.h"

#include "riddles/KnightRules.h"
#include "riddles/VanishingFieldsView.h"

namespace tarnwick {

TRiddle3Win::TRiddle3Win()
    : TRiddleWin(3, MakeRoom<VanishingFieldsView>(std::make_unique<KnightRules>(CurrentGameRandom()),
                                                  VanishingFieldsView::Chequered({64, 256}, {128, 288}))) {}

}  // namespace tarnwick
