// SPDX-License-Identifier: GPL-3.0-or-later
#include "labyrinth/Maze.h"

namespace tarnwick {

TMazeWin::TMazeWin(const Stage& stage)
    : TextScene(stage, "TMazeWin", "b4.bmp",
                {{40, 68, 321, 69, 19, false,
                  {"Gratulation! Es ist Dir gelungen, die verwunschenen Gänge im Keller des "
                   "Palastes wieder in Ordnung zu bringen.",
                   "Gratulation! You succeeded in rearranging the casted corridors in the "
                   "cellar of the palace."}},
                 {40, 148, 321, 69, 19, false,
                  {"Die Untertanen des Königs freuen sich. Nach so vielen gescheiterten "
                   "Versuchen haben sie damit nicht mehr gerechnet.",
                   "The subjects of the king are very glad. They have never counted upon it "
                   "after so many failed efforts."}}}) {}

}  // namespace tarnwick
