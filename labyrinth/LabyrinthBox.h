#pragma once
// The labyrinth under the main window's tool bar: the corridor tiles and the
// player drawn from the game's state, lines shifted with their scroll, the
// player walked tile by tile, and the doors entered.
#include <functional>

#include "platform/OnDemand.h"
#include "platform/PaintBox.h"
#include "stage/Stage.h"

namespace tarnwick {

class TPuzzleWin;
class TChessWin;
class TMazeWin;

class LabyrinthBox : public PaintBox {
    Q_OBJECT
public:
    LabyrinthBox(QWidget* parent, Stage& stage);

    void ShiftLine(int line, int direction, bool animate);
    void CheckRestored();
    void DrawTile(int c, int r);
    void DrawPlayer(int x, int y, int frame, int facing);
    void FormPaint();
    void boxMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void EnterDoor();

    // True while an animation runs: clicks made meanwhile are not taken.
    bool Busy = false;

    // The scenes behind the doors and the congratulation, handed in once
    // they are made; and what leaving by the exit asks of the main window.
    OnDemand<TPuzzleWin> PuzzleWin;
    OnDemand<TChessWin> ChessWin;
    OnDemand<TMazeWin> MazeWin;
    std::function<void()> AskToClose;

private:
    void Walk(int direction);
    // The room behind a door; false while the door leads nowhere yet.
    bool VisitRoom(int door);

    Stage& stage_;
    Game& game_;
};

}  // namespace tarnwick
