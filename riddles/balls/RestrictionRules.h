// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The room of restriction: twice as many balls as the board has rows lie at
// random on a 4 x 4, 6 x 6 or 8 x 8 board, and no line may hold more than
// two of them.
#include "riddles/balls/ScatteredBallsRules.h"

namespace tarnwick {

class RestrictionRules : public CopyableRoom<RestrictionRules, ScatteredBallsRules> {
public:
    explicit RestrictionRules(Random& random) : CopyableRoom(random, 2) {}

    BiText RoomName() const override;
    BiText EntryMessage() const override;
    std::vector<BiText> RulesMessages() const override;

protected:
    int BoardSize(int level) const override;  // 4, 6, 8
};

}  // namespace tarnwick
