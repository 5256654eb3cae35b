#include "riddles/Riddle11.h"

#include "riddles/BallBoardView.h"
#include "riddles/DisappearanceRules.h"

namespace tarnwick {

// Ordinary and yellow balls (values 6 and 8) are sprite columns 5 and 7.
TRiddle11Win::TRiddle11Win()
    : TRiddleWin(11, MakeRoom<BallBoardView>(std::make_unique<DisappearanceRules>(),
                                             BallBoardView::Chequered({96, 256}, {32, 288}),
                                             BallBoardView::Shifted(-1))) {}

}  // namespace tarnwick
