// SPDX-License-Identifier: GPL-3.0-or-later
#include "labyrinth/Scramble.h"

namespace tarnwick {

void ScrambleGrid(LabyrinthState& state, Random& random) {
    CopyGrid(state.Grid, TargetGrid);
    for (int i = 0; i < 1000; ++i) {
        const int direction = random.Next(4);
        const int line = random.Next(11);
        ShiftGrid(state, line, direction);
    }
}

GameInPlay NewGamePlay(const GameInPlay& old, Random& random) {
    GameInPlay play = old;
    ScrambleGrid(play, random);
    play.PlayerCol = ExitCell.col;
    play.PlayerRow = ExitCell.row;
    play.PlayerFacing = East;
    play.MazeRestored = false;
    for (int n = 1; n <= DoorCount; ++n) play.DoorOpen[n] = false;
    for (int n = 1; n <= RoomCount; ++n) play.PieceTurn[n] = -1;
    return play;
}

bool CastSpell(GameInPlay& game, int door, Random& random) {
    if (game.DoorOpen[13]) return false;
    if (random.Next(6) != 0) return false;
    if (door >= 1 && door <= DoorCount && game.DoorOpen[door]) return false;
    game.PlayerCol = 1 + random.Next(9);
    game.PlayerRow = 1 + random.Next(5);
    game.PlayerFacing = South;
    return true;
}

}  // namespace tarnwick
