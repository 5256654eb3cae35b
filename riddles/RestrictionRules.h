#pragma once
// The room of restriction: twice as many balls as the board has rows lie at
// random on a 4 x 4, 6 x 6 or 8 x 8 board, and no line may hold more than
// two of them.
#include "riddles/ScatteredBallsRules.h"

namespace tarnwick {

class RestrictionRules : public ScatteredBallsRules {
public:
    static constexpr int Ball = 1;
    static constexpr int MostOnALine = 2;

    using ScatteredBallsRules::ScatteredBallsRules;

    BiText RoomName() const override;
    BiText EntryMessage() const override;
    std::vector<BiText> RulesMessages() const override;
    bool IsSolved() const override { return MostBallsOnALine() <= MostOnALine; }

    // Fields per side on a level: 4, 6, 8.
    static int BoardSize(int level);

protected:
    void SetUpLevel(int level) override;
};

}  // namespace tarnwick
