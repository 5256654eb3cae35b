#include "riddles/Riddle1.h"

#include "riddles/BallBoardView.h"
#include "riddles/EntanglingRules.h"

namespace tarnwick {

// Red and blue balls (values 5 and 7) are sprite columns 4 and 6.
TRiddle1Win::TRiddle1Win()
    : TRiddleWin(1, MakeRoom<BallBoardView>(std::make_unique<EntanglingRules>(),
                                            BallBoardView::Chequered({0, 256}, {0, 288}),
                                            BallBoardView::Shifted(-1))) {}

}  // namespace tarnwick
