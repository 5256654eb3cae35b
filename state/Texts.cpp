// SPDX-License-Identifier: GPL-3.0-or-later
#include "state/Texts.h"

namespace tarnwick::texts {

const BiText RestartQuestion{"Du möchtest wirklich Deine Mission von vorne beginnen???",
                             "Do you really want to restart your mission???"};
const BiText QuitQuestion{"Du willst den König und seine Untertanen im Stich lassen???",
                          "Do you want to forsake the king and his subjects???"};
const BiText RiddleSolved{
    "Verdammt, Du hast das Rätsel gelöst. Du findest einen Teil des Schachbretts.",
    "Damn, you have solved the riddle. You find one piece of the chess board."};
const BiText DuelWon{"Verdammt, Du hast gewonnen. Du findest einen Teil des Schachbretts.",
                     "Damn, you have won. You find one piece of the chess board."};
const BiText RiddleFailed{"Du Wurm wirst es nie schaffen. Streng Dich erst gar nicht an!",
                          "You will never do it, worm. Don't exert yourself!"};
const BiText RulesHint{"Was muß ich da machen?", "What's to do here?"};
const BiText LeaveHint{"Ich geh'.", "I leave."};
const BiText ResetHint{"Ich probier's nochmal.", "I'll try it again."};
const BiText LaterHint{"Ich probier's später.", "I'll try it later."};
const BiText Yes{"Ja", "Yes"};
const BiText No{"Nein", "No"};
const BiText OutOfMemory{"Zuwenig Speicher! Programm wird beendet.",
                         "Not enough memory! Programm aborted."};
const BiText RoomKeysHint{"Strg+Z nimmt einen Zug zurück, Strg+Y oder Strg+Umschalt+Z macht ihn wieder, "
                          "H zeigt Dir den nächsten Zug.",
                          "Ctrl+Z takes a move back, Ctrl+Y or Ctrl+Shift+Z makes it again, H shows you the next "
                          "move."};
const BiText HintNoWay{"Von hier aus gibt es keine Lösung mehr. Nimm Züge mit Strg+Z zurück oder fang mit dem "
                       "Knopf \"Ich probier's nochmal\" von vorne an.",
                       "There is no solution left from here. Take moves back with Ctrl+Z, or start again with the "
                       "button \"I'll try it again\"."};
const BiText HintSolved{"Das Rätsel ist gelöst. Nimm Dir Deinen Teil des Schachbretts!",
                        "The riddle is solved. Take your piece of the chess board!"};
const BiText HintGaveUp{"Hier findet auch der Hinweis keinen Weg. Nimm Züge mit Strg+Z zurück oder fang mit dem "
                        "Knopf \"Ich probier's nochmal\" von vorne an.",
                        "Not even the hint finds a way from here. Take moves back with Ctrl+Z, or start again with "
                        "the button \"I'll try it again\"."};
const BiText GameResumed{"Das letzte Spiel wurde nicht ordentlich beendet. Es geht dort weiter, wo es stand.",
                         "The last game did not end properly. It goes on where it stood."};
}  // namespace tarnwick::texts
