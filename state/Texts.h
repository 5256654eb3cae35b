// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts that several scenes share.
#include "state/BiText.h"

namespace tarnwick::texts {

extern const BiText RestartQuestion;
extern const BiText QuitQuestion;
extern const BiText RiddleSolved;
extern const BiText DuelWon;
extern const BiText RiddleFailed;
extern const BiText RulesHint;
extern const BiText LeaveHint;
extern const BiText ResetHint;
extern const BiText LaterHint;
extern const BiText Yes;
extern const BiText No;
extern const BiText OutOfMemory;
// The riddle rooms' keys, and what the hint says when it shows no move.
extern const BiText RoomKeysHint;
extern const BiText HintNoWay;
extern const BiText HintSolved;
extern const BiText HintGaveUp;
// Said once at a start that takes up the game a session left unannounced.
extern const BiText GameResumed;

}  // namespace tarnwick::texts
