#pragma once
// Texts that several windows share. Each is a German and English pair; the
// German one is shown when the language is German, the English otherwise.
#include <QString>

#include "shell/GameState.h"

namespace tarnwick {

// The text in the current language, at the moment it is shown.
QString Text(const BiText& text);

namespace texts {
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
}  // namespace texts

}  // namespace tarnwick
