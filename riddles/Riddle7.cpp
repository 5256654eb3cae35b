#include "riddles/Riddle7.h"

#include "riddles/DuelRules.h"
#include "riddles/DuelView.h"

namespace tarnwick {

namespace {
// The game's generator as it is at each draw, so a generator put in after
// the window was made (a test's) is the one the computer draws with.
class CurrentGameRandom : public Random {
public:
    int Next(int n) override { return GameRandom().Next(n); }
};
CurrentGameRandom currentGameRandom;
}  // namespace

TRiddle7Win::TRiddle7Win() : TRiddleWin(7, MakeRoom<DuelView>(std::make_unique<DuelRules>(currentGameRandom))) {}

}  // namespace tarnwick
