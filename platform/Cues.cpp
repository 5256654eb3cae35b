#include "platform/Cues.h"

namespace tarnwick {

namespace {
class Silence : public CuePlayer {
public:
    void Stop() override {}
    void Play(int, const std::string&) override {}
};
Silence silence;
CuePlayer* current = nullptr;
}  // namespace

CuePlayer& GameCuePlayer() { return current ? *current : silence; }
void SetGameCuePlayer(CuePlayer* player) { current = player; }

}  // namespace tarnwick
