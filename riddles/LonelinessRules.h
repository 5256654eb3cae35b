#pragma once
// The room of loneliness: as many balls as the board has rows lie at random
// on a 5 x 5, 6 x 6 or 8 x 8 board, and each must stand alone on every line
// through it, as queens that cannot take each other.
#include "riddles/ScatteredBallsRules.h"

namespace tarnwick {

class LonelinessRules : public ScatteredBallsRules {
public:
    static constexpr int Ball = 1;
    static constexpr int MostOnALine = 1;

    using ScatteredBallsRules::ScatteredBallsRules;

    BiText RoomName() const override;
    BiText EntryMessage() const override;
    std::vector<BiText> RulesMessages() const override;
    bool IsSolved() const override { return MostBallsOnALine() <= MostOnALine; }

    // Fields per side, and balls, on a level: 5, 6, 8.
    static int BoardSize(int level);

protected:
    void SetUpLevel(int level) override;
};

}  // namespace tarnwick
