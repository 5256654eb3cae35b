#include "shell/GameState.h"

namespace tarnwick {

bool DoorOpen[DoorCount + 1] = {};
int PieceCol[RoomCount + 1] = {};
int PieceRow[RoomCount + 1] = {};
int PieceTurn[RoomCount + 1] = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
int ReservedWord = 0;
std::string GameFileName;
bool ShowStoryAtStart = true;
int Language = -1;
std::string ProgramDir;

}  // namespace tarnwick
