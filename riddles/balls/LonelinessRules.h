// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The room of loneliness: as many balls as the board has rows lie at random
// on a 5 x 5, 6 x 6 or 8 x 8 board, and each must stand alone on every line
// through it, as queens that cannot take each other.
#include "riddles/balls/ScatteredBallsRules.h"

namespace tarnwick {

class LonelinessRules : public CopyableRoom<LonelinessRules, ScatteredBallsRules> {
public:
    explicit LonelinessRules(Random& random) : CopyableRoom(random, 1) {}

    BiText RoomName() const override;
    BiText EntryMessage() const override;
    std::vector<BiText> RulesMessages() const override;

protected:
    int BoardSize(int level) const override;  // 5, 6, 8
};

}  // namespace tarnwick
