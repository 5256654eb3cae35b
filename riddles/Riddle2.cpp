#include "riddles/Riddle2.h"

#include "riddles/BallBoardView.h"
#include "riddles/RestrictionRules.h"
#include "platform/Random.h"

namespace tarnwick {

// One kind of ball (value 1), sprite column 0, on the sandstone and walnut
// chequer.
TRiddle2Win::TRiddle2Win()
    : TRiddleWin(2, MakeRoom<BallBoardView>(std::make_unique<RestrictionRules>(CurrentGameRandom()),
                                            BallBoardView::Chequered({64, 256}, {96, 256}),
                                            BallBoardView::Shifted(-1))) {}

}  // namespace tarnwick
