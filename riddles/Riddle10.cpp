#include "riddles/Riddle10.h"

#include "riddles/BallBoardView.h"
#include "riddles/LonelinessRules.h"
#include "platform/Random.h"

namespace tarnwick {

// One kind of ball (value 1), sprite column 6, on the sandstone and walnut
// chequer.
TRiddle10Win::TRiddle10Win()
    : TRiddleWin(10, MakeRoom<BallBoardView>(std::make_unique<LonelinessRules>(CurrentGameRandom()),
                                             BallBoardView::Chequered({64, 256}, {96, 256}),
                                             BallBoardView::Shifted(5))) {}

}  // namespace tarnwick
