// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/IntroTexts.h"

namespace tarnwick {

const BiText StoryTexts[20] = {
    {"", ""},
    // A king who loved chess, and his chancellor.
    {"Vor langer, langer Zeit lebte ein König, der das Schachspiel über alles liebte. Die "
     "Staatsgeschäfte überließ er seinem Kanzler, einem großen Zauberer.",
     "Long, long ago there lived a king who loved the game of chess above all else. He left the "
     "affairs of state to his chancellor, a great magician."},
    {"Er regierte weise, alle waren zufrieden.", "He ruled wisely, and all were content."},
    // The king always wins.
    {"Jeden Tag forderte der König einen seiner Untertanen zu einer Partie Schach heraus. Wer ihn "
     "besiegte, wurde des Landes verwiesen.",
     "Every day the king challenged one of his subjects to a game of chess. Whoever beat him was "
     "banished from the land."},
    {"So gewann der König immer, obwohl er recht schlecht spielte.",
     "And so the king always won, although he played rather badly."},
    // The chancellor wins.
    {"Eines Tages war der Kanzler an der Reihe. Er war es leid, den König gewinnen zu lassen, und "
     "gewann.",
     "One day it was the chancellor's turn. He was tired of letting the king win, and he won."},
    {"Der König tobte vor Wut und befahl seinen Wachen, den Kanzler abzuführen.",
     "The king flew into a rage and ordered his guards to lead the chancellor away."},
    // The spell.
    {"Doch der Kanzler sprach einen Zauberspruch, und das Schachbrett des Königs zerbrach in "
     "zwölf Teile.",
     "But the chancellor spoke a spell, and the king's chessboard broke into twelve pieces."},
    // The cellar.
    {"Jedes Teil schloss er in eine Kammer tief im Keller des Palastes ein.",
     "He locked each piece in a room deep down in the cellar of the palace."},
    {"Dann verhexte er die Gänge des Kellers, verwandelte sich in einen schwarzen Vogel und flog "
     "davon.",
     "Then he cast a spell on the corridors of the cellar, turned himself into a black bird and "
     "flew away."},
    // The king without his game.
    {"Ohne sein Schachspiel wurde der König verbittert und hart.",
     "Without his game of chess the king grew bitter and hard."},
    {"Nun musste er das Land selbst regieren, und er machte seine Untertanen unglücklich.",
     "Now he had to rule the land himself, and he made his subjects miserable."},
    // The search.
    {"Die Untertanen suchten nach den Teilen des Schachbretts.",
     "The subjects set out to search for the pieces of the chessboard."},
    {"Doch die verwunschenen Gänge veränderten immer wieder ihren Lauf.",
     "But the bewitched corridors kept changing their course."},
    {"Viele, die hinabstiegen, fanden nie wieder heraus.",
     "Many who went down never found the way out again."},
    // The riddles.
    {"Und wer eine Kammer mit einem Teil betreten wollte, musste zuerst ein Rätsel lösen.",
     "And whoever wanted to enter a room holding a piece first had to solve a riddle."},
    {"Bis heute hat niemand auch nur ein einziges Teil gefunden.",
     "To this day nobody has found a single piece."},
    // The player.
    {"Mutige Untertanen zogen in ferne Länder, um jemanden zu finden, der klug genug für diese "
     "Aufgabe ist. So fanden sie",
     "Brave subjects travelled to foreign lands to find someone clever enough for the task. And "
     "so they found"},
    {"Dich!", "you!"},
    {"Sie flehen Dich an: Bring dem König sein Schachspiel zurück und mit ihm das Glück seiner "
     "Untertanen!",
     "They implore you: bring the game of chess back to the king, and with it the happiness of "
     "his subjects!"},
};

}  // namespace tarnwick
