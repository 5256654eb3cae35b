#include "riddles/Riddle9.h"

#include "riddles/BallBoardView.h"
#include "riddles/ConfusionRules.h"

namespace tarnwick {

namespace {

// Each field takes the colour of the ball it holds when the room is built:
// rose under red, ochre under yellow, ebony for the empty one.
Pixel SquareUnder(const BallBoardRules& rules, BoardCell cell) {
    switch (rules.Cell(cell)) {
    case ConfusionRules::Red: return {32, 256};
    case ConfusionRules::Yellow: return {128, 256};
    default: return {0, 288};
    }
}

}  // namespace

// Red and yellow balls (values 4 and 7) are sprite columns 4 and 7.
TRiddle9Win::TRiddle9Win()
    : TRiddleWin(9, MakeRoom<BallBoardView>(std::make_unique<ConfusionRules>(), SquareUnder,
                                            BallBoardView::Shifted(0))) {}

}  // namespace tarnwick
