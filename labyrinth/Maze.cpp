#include "labyrinth/Maze.h"

#include "shell/GameState.h"
#include "shell/Texts.h"

namespace tarnwick {

TMazeWin* MazeWin = nullptr;

TMazeWin::TMazeWin() : SceneWindow(400, 300, false) {
    setObjectName("TMazeWin");
    SetClosableBySystem(false);
    Label1 = MakeSceneLabel(this, 40, 68, 321, 69, "Times New Roman", 19, Qt::white);
    Label2 = MakeSceneLabel(this, 40, 148, 321, 69, "Times New Roman", 19, Qt::white);
    OKBtn = MakeGlyphButton(this, 368, 268, 25, 25, ":/glyphs/maze_ok.png");
    connect(OKBtn, &QPushButton::clicked, this, [this] { Finish(ModalDone); });
    surface()->OnPaint = [this] { Paint(); };
}

void TMazeWin::FormShow() {
    CentreOverMainWindow();
    Label1->setText(Text({"Gratulation! Es ist Dir gelungen, die verwunschenen Gänge im Keller des "
                          "Palastes wieder in Ordnung zu bringen.",
                          "Gratulation! You succeeded in rearranging the casted corridors in the "
                          "cellar of the palace."}));
    Label2->setText(Text({"Die Untertanen des Königs freuen sich. Nach so vielen gescheiterten "
                          "Versuchen haben sie damit nicht mehr gerechnet.",
                          "The subjects of the king are very glad. They have never counted upon it "
                          "after so many failed efforts."}));
    OKBtn->setToolTip(Text(texts::LeaveHint));
}

void TMazeWin::Paint() {
    // The scene is read at every paint; without it the window stays black.
    DrawPictureFile(QString::fromStdString(ProgramDir + "b4.bmp"));
}

void TMazeWin::showEvent(QShowEvent* event) {
    FormShow();
    SceneWindow::showEvent(event);
}

}  // namespace tarnwick
