// SPDX-License-Identifier: GPL-3.0-or-later
#include "throne/Done.h"

namespace tarnwick {

TDoneWin::TDoneWin(const Stage& stage)
    : TextScene(stage, "TDoneWin", "b4.bmp",
                {{8, 20, 385, 49, 19, false,
                  {"Phantastisch, du hast es geschafft, dem König sein über alles "
                   "geliebtes Schachspiel zurückzubringen.",
                   "Fantastic, you have succeeded in returning the beloved chess board "
                   "to the king."}},
                 {44, 72, 313, 89, 19, false,
                  {"Aus Dankbarkeit ernennt Dich der König zu seinem Kanzler. Die Menschen "
                   "jubeln Dir zu. Friede und Eintracht kehren in das Königreich zurück.",
                   "In gratitude the king nominates you to his cancellor. People shout "
                   "with joy. Peace and harmony returned to the kingdom."}},
                 {32, 164, 345, 49, 19, false,
                  {"Um Dir Ehre zu erweisen, wirst Du als erster zum königlichen "
                   "Schachduell aufgefordert. ",
                   "You are the first, the king demands to a chess duel,  so he wants to "
                   "honour you."}},
                 {56, 212, 289, 25, 19, false, {"Doch sei auf der Hut.", "But be careful!"}},
                 {36, 240, 329, 29, 21, true,
                  {"Der König verliert nicht gern!", "The king does not like it to loose."}}}) {}

}  // namespace tarnwick
