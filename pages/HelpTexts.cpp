// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/HelpTexts.h"

namespace tarnwick {

namespace {
const BiText NoHeading{"", ""};
const BiText Corridors{"Die verwunschenen Gänge", "The casted corridors"};
const BiText Rooms{"Die verschlossenen Kammern", "The closed rooms"};
const BiText Riddles{"Die Rätsel", "The riddles"};
const BiText ThroneRoom{"Der alte Thronsaal", "The old throne room"};
const BiText MoreRiddles{"Die zusätzlichen Rätsel", "The additional riddles"};
const BiText Keys{"Die Tasten", "The keys"};
}  // namespace

const HelpPageContent HelpPages[HelpPageCount + 1] = {
    {"b7.bmp", NoHeading, {}},
    {"b7.bmp",
     NoHeading,
     {{2,
       {"Da Du Dich entschlossen hast, den Untertanen des Königs zu helfen, hier einige Hinweise "
        "für Deine schwere Aufgabe.",
        "Since you have decided to help the subjects of the king, here are some hints for your "
        "hard task."}},
      {6,
       {"Was die einzelnen Knöpfe bewirken, erfährst Du, wenn der Mauszeiger eine Weile auf "
        "ihnen ruht.",
        "What each button does is shown when the mouse pointer rests on it for a while."}}}},
    {"b4.bmp",
     Corridors,
     {{2,
       {"Tief im Keller des Palastes siehst Du zuerst die verwunschenen Gänge. Der Weg kann "
        "versperrt sein; deshalb fanden viele nie wieder heraus.",
        "Deep in the cellar of the palace you first see the bewitched corridors. The way may be "
        "blocked; that is why many never found their way out."}},
      {6,
       {"Dreizehn verschlossene Türen umgeben das Gewirr der Gänge. Hinter zwölf liegt je ein "
        "Teil des Schachbretts, die dreizehnte führt in den alten Thronsaal.",
        "Thirteen locked doors surround the tangle of corridors. Twelve of them each hide a piece "
        "of the chessboard, the thirteenth leads to the old throne room."}}}},
    {"b4.bmp",
     Corridors,
     {{2,
       {"Zwischen den Türen sind Pfeile in den Stein gemeißelt. Ein Klick darauf setzt die Gänge "
        "in Bewegung; probier es aus, und Du durchschaust bald das System.",
        "Between the doors, arrows are chiselled into the stone. Clicking them sets the corridors "
        "moving; try them out and you will soon see the scheme."}},
      {6,
       {"Du gehst, indem Du das Gangstück anklickst, das Du als nächstes betreten willst. Mit "
        "geschicktem Schieben erreichst Du jede Tür.",
        "You move by clicking the section of corridor you want to enter next. With skilful "
        "shifting you can reach every door."}}}},
    {"b4.bmp",
     Corridors,
     {{2,
       {"Derselbe Mechanismus trägt auch Dich mit: Stehst Du ganz rechts und klickst auf den "
        "Pfeil, der nach rechts zeigt, so bist Du sofort ganz links.",
        "The same mechanism carries you along: if you stand at the far right and click the arrow "
        "pointing to the right, you are at the far left at once."}},
      {7,
       {"Das kann Dir viele Schritte ersparen. Probier es aus!",
        "This can save you many steps. Try it!"}}}},
    {"b4.bmp",
     Corridors,
     {{2,
       {"Die Untertanen des Königs wären froh, wenn die Gänge wieder entwirrt würden.",
        "The subjects of the king would be glad if the corridors were untangled again."}},
      {5,
       {"Ursprünglich waren die Gänge in einem symmetrischen Muster angelegt. Vielleicht hilft "
        "Dir das.",
        "At first the corridors were laid out in a symmetric pattern. Perhaps that helps you."}},
      {9,
       {"Ob Du das jetzt oder später tust, bleibt Dir überlassen.",
        "Whether you do this now or later is up to you."}}}},
    {"b1.bmp",
     Rooms,
     {{2,
       {"Versuche, die Türen zu erreichen. Anfangs sind sie verschlossen; ein Klick auf eine Tür "
        "stellt Dir ein Rätsel.",
        "Try to reach the doors. At first they are locked; a click on a door sets you a riddle."}},
      {5,
       {"Du musst das Rätsel lösen, um die Tür zu öffnen. Der Knopf mit dem Buch gibt Dir eine "
        "Anleitung.",
        "You must solve the riddle to open the door. The button with the book tells you what to "
        "do."}}}},
    {"b1.bmp",
     Rooms,
     {{2,
       {"Mit dem Knopf mit der Tür verlässt Du ein Rätsel ungelöst und stehst wieder vor der "
        "verschlossenen Tür.",
        "The button with the door leaves a riddle unsolved, and you stand before the closed door "
        "again."}},
      {6,
       {"Ein Klick irgendwo neben die Tür bringt Dich zurück in die Gänge.",
        "A click anywhere beside the door takes you back to the corridors."}}}},
    {"b1.bmp",
     Riddles,
     {{2,
       {"Jedes Rätsel wird mit einfachen Mausklicks gelöst. Bei manchen ziehst Du Kugeln bei "
        "gedrückter Maustaste. Experimentiere einfach!",
        "Every riddle is solved with simple mouse clicks. In some you drag balls with the mouse "
        "button held down. Just experiment!"}},
      {5,
       {"Deine Zeit ist unbegrenzt. Der Knopf mit der Krone stellt das Rätsel auf den Anfang "
        "zurück, so oft Du willst.",
        "Your time is unlimited. The button with the crown puts the riddle back to its start, as "
        "often as you like."}},
      {9,
       {"Strg+Z: Zug zurück. Strg+Y, Strg+Umschalt+Z: wieder vor. H: nächster Zug.",
        "Ctrl+Z: a move back. Ctrl+Y, Ctrl+Shift+Z: forward again. H: the next move."}}}},
    {"b1.bmp",
     Riddles,
     {{2,
       {"Ist ein Rätsel gelöst, verlässt Du es mit dem Knopf, der nun ein Teil des Schachbretts "
        "zeigt, und die Tür öffnet sich.",
        "Once a riddle is solved, the button now showing a piece of the chessboard leaves the "
        "riddle, and the door opens."}},
      {5,
       {"Ein Klick auf das Teil nimmt es an Dich. Es wird in den alten Thronsaal gebracht und "
        "wartet dort mit den anderen.",
        "Click the piece to take it. It is carried to the old throne room and waits there with "
        "the others."}}}},
    {"b3.bmp",
     ThroneRoom,
     {{2,
       {"Der Eingang zum alten Thronsaal liegt ganz rechts in der Mitte, gegenüber dem Eingang "
        "zum Keller. Drinnen liegen die Teile, die Du bisher gesammelt hast.",
        "The door to the old throne room lies at the far right in the middle, opposite the "
        "entrance. Inside lie the pieces you have collected so far."}},
      {6,
       {"Du kannst das Schachbrett jederzeit zusammensetzen, doch gelingen wird es nur mit allen "
        "zwölf Teilen.",
        "You may try to assemble the chessboard at any time. Only with all twelve pieces will "
        "you succeed."}}}},
    {"b3.bmp",
     ThroneRoom,
     {{2,
       {"Mit der rechten Maustaste drehst Du ein Teil um 90°. Das schwarz-weiße Muster des "
        "Schachbretts hilft Dir dabei.",
        "The right mouse button turns a piece by 90°. The black-and-white pattern of the "
        "chessboard will help you."}},
      {5,
       {"Wenn die Teile richtig zusammengesetzt sind und wie ein echtes Schachbrett aussehen, ist "
        "Dein Werk vollbracht.",
        "When the pieces are put together correctly and look like a real chessboard, your work is "
        "done."}}}},
    {"b7.bmp",
     MoreRiddles,
     {{2,
       {"Doch das Spiel ist noch lange nicht zu Ende: In den geöffneten Kammern leuchten drei "
        "Steine in der Rückwand hell auf.",
        "But the game is far from over: in the rooms you have opened, three stones glow brightly "
        "in the back wall."}},
      {6,
       {"Hinter jedem Stein verbirgt sich ein weiteres, ähnliches Rätsel von größerer "
        "Schwierigkeit.",
        "Behind each stone hides a further riddle of the same kind, but harder."}}}},
    {"b4.bmp",
     Keys,
     {{2,
       {"Die Pfeiltasten führen Dich durch die Gänge. Tab und Umschalt+Tab wählen einen Pfeil in "
        "der Mauer; die Leertaste oder die Eingabetaste schiebt seine Reihe.",
        "The arrow keys walk you through the corridors. Tab and Shift+Tab pick an arrow in the "
        "wall; Space or Enter shifts its line."}},
      {6,
       {"Auf einer Tür öffnet sie die Leertaste. Vor der Tür wählt Tab die Tür, das Teil oder "
        "einen Stein, die Leertaste klickt darauf, Esc geht zurück.",
        "On a door, Space opens it. Before the door, Tab picks the door, the piece or a stone, "
        "Space clicks it, and Escape goes back."}}}},
    {"b1.bmp",
     Keys,
     {{2,
       {"In den Kammern führen die Pfeiltasten einen Rahmen über das Brett. Die Leertaste hebt "
        "eine Kugel auf, trägt sie mit und setzt sie ab, oder sie klickt das Feld.",
        "In the rooms the arrow keys lead a frame over the board. Space lifts a ball, carries it "
        "along and puts it down, or clicks the field."}},
      {6,
       {"Tab erreicht die Knöpfe, Esc verlässt die Kammer. Im Thronsaal hebt die Leertaste ein "
        "Teil auf und legt es ab; R dreht es.",
        "Tab reaches the buttons, Escape leaves the room. In the throne room Space picks up a "
        "piece and puts it down; R turns it."}}}},
    {"b7.bmp",
     Keys,
     {{2,
       {"Strg+N neues Spiel, Strg+O laden, Strg+S speichern, Strg+M Geräusche, Strg+Q Ende; F1 "
        "die Regeln, F2 diese Hilfe, F3 die Geschichte, Strg+I wer es war, Strg+G mehr Spiele.",
        "Ctrl+N new game, Ctrl+O load, Ctrl+S save, Ctrl+M sound, Ctrl+Q quit; F1 the rules, F2 "
        "this help, F3 the story, Ctrl+I who made it, Ctrl+G more games."}},
      {6,
       {"In diesen Seiten blättern die Pfeiltasten, Esc schließt sie. Strg+Plus und Strg+Minus "
        "ändern die Größe, Strg+0 setzt sie zurück, F11 füllt den Bildschirm.",
        "The arrow keys turn these pages, Escape closes them. Ctrl+Plus and Ctrl+Minus change "
        "the size, Ctrl+0 sets it back, F11 fills the screen."}}}},
};

}  // namespace tarnwick
