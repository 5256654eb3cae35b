#include "riddles/Riddle4.h"

#include "riddles/BallBoardView.h"
#include "riddles/AlterationRules.h"

namespace tarnwick {

// Green and yellow balls (values 5 and 7) are sprite columns 5 and 7.
TRiddle4Win::TRiddle4Win()
    : TRiddleWin(4, MakeRoom<BallBoardView>(std::make_unique<AlterationRules>(),
                                            BallBoardView::Chequered({0, 256}, {0, 288}),
                                            BallBoardView::Shifted(0))) {}

}  // namespace tarnwick
