#include "labyrinth/Scramble.h"

#include "shell/GameState.h"

namespace tarnwick {

void ScrambleGrid(LabyrinthState& state, Random& random) {
    CopyGrid(state.Grid, TargetGrid);
    for (int i = 0; i < 1000; ++i) {
        const int direction = random.Next(4);
        const int line = random.Next(11);
        ShiftGrid(state, line, direction);
    }
}

bool CastSpell(LabyrinthState& state, int door, Random& random) {
    if (DoorOpen[13]) return false;
    if (random.Next(6) != 0) return false;
    if (door >= 1 && door <= DoorCount && DoorOpen[door]) return false;
    state.PlayerCol = 1 + random.Next(9);
    state.PlayerRow = 1 + random.Next(5);
    state.PlayerFacing = South;
    return true;
}

}  // namespace tarnwick
