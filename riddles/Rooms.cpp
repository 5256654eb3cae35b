// SPDX-License-Identifier: GPL-3.0-or-later
#include "riddles/Rooms.h"

#include "riddles/balls/AlterationRules.h"
#include "riddles/balls/BallBoardView.h"
#include "riddles/balls/ConfusionRules.h"
#include "riddles/balls/DisappearanceRules.h"
#include "riddles/balls/EntanglingRules.h"
#include "riddles/balls/LonelinessRules.h"
#include "riddles/balls/RestrictionRules.h"
#include "riddles/corridors/CorridorView.h"
#include "riddles/corridors/DisplacementRules.h"
#include "riddles/duel/DuelRules.h"
#include "riddles/duel/DuelView.h"
#include "riddles/fields/KnightRules.h"
#include "riddles/fields/VanishingFieldsView.h"
#include "riddles/fields/WanderingRules.h"
#include "riddles/fields/WanderingView.h"
#include "riddles/sayings/LetterView.h"
#include "riddles/sayings/SayingsRules.h"
#include "riddles/separation/CutLineView.h"
#include "riddles/separation/SeparationRules.h"

namespace tarnwick {

namespace {

using namespace riddle_art;

// Room 9: each field takes the colour of the ball it holds when the room is
// built: rose under red, ochre under yellow, ebony for the empty one.
Pixel ConfusionSquare(const BallBoardRules& rules, BoardCell cell) {
    switch (rules.Cell(cell)) {
    case ConfusionRules::Red: return RoseMarble;
    case ConfusionRules::Yellow: return Ochre;
    default: return Ebony;
    }
}

RoomParts MakeRoomParts(Stage& stage, int room) {
    Random& dice = stage.random;
    switch (room) {
    // The drag rooms: which squares, and which sprite column each kind of
    // ball takes.
    case 1:  // red and blue balls (values 5 and 7): sprite columns 4 and 6
        return MakeRoom<BallBoardView>(std::make_unique<EntanglingRules>(),
                                       BallBoardView::Chequered(IvoryMarble, Ebony), BallBoardView::Shifted(-1));
    case 2:  // one kind of ball (value 1): sprite column 0
        return MakeRoom<BallBoardView>(std::make_unique<RestrictionRules>(dice),
                                       BallBoardView::Chequered(Sandstone, Walnut), BallBoardView::Shifted(-1));
    case 4:  // green and yellow balls (values 5 and 7): sprite columns 5 and 7
        return MakeRoom<BallBoardView>(std::make_unique<AlterationRules>(),
                                       BallBoardView::Chequered(IvoryMarble, Ebony), BallBoardView::Shifted(0));
    case 9:  // red and yellow balls (values 4 and 7): sprite columns 4 and 7
        return MakeRoom<BallBoardView>(std::make_unique<ConfusionRules>(stage.game.ProgramDir), ConfusionSquare,
                                       BallBoardView::Shifted(0));
    case 10:  // one kind of ball (value 1): sprite column 6
        return MakeRoom<BallBoardView>(std::make_unique<LonelinessRules>(dice),
                                       BallBoardView::Chequered(Sandstone, Walnut), BallBoardView::Shifted(5));
    case 11:  // ordinary and yellow balls (values 6 and 8): sprite columns 5 and 7
        return MakeRoom<BallBoardView>(std::make_unique<DisappearanceRules>(),
                                       BallBoardView::Chequered(Walnut, Slate), BallBoardView::Shifted(-1));
    case 5: return MakeRoom<CorridorView>(std::make_unique<DisplacementRules>());
    case 6: return MakeRoom<LetterView>(std::make_unique<SayingsRules>(stage.game.Language));
    case 7: return MakeRoom<DuelView>(std::make_unique<DuelRules>(dice));
    case 3:
        return MakeRoom<VanishingFieldsView>(std::make_unique<KnightRules>(dice),
                                             VanishingFieldsView::Chequered(Sandstone, DarkWalnut));
    case 8: return MakeRoom<WanderingView>(std::make_unique<WanderingRules>());
    case 12: return MakeRoom<CutLineView>(std::make_unique<SeparationRules>());
    default: return {};
    }
}

}  // namespace

TRiddleWin* MakeRiddleWindow(Stage& stage, int room) {
    RoomParts parts = MakeRoomParts(stage, room);
    if (!parts.rules) return nullptr;
    return new TRiddleWin(stage, room, std::move(parts));
}

}  // namespace tarnwick
