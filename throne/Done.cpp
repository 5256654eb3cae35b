#include "throne/Done.h"

#include "shell/GameState.h"
#include "shell/Texts.h"

namespace tarnwick {

TDoneWin* DoneWin = nullptr;

// Shown over the throne room, which stays on top: so must this.
TDoneWin::TDoneWin() : SceneWindow(400, 300, true) {
    setObjectName("TDoneWin");
    SetClosableBySystem(false);
    const char* serif = "Times New Roman";
    Label1 = MakeSceneLabel(this, 8, 20, 385, 49, serif, 19, Qt::white);
    Label2 = MakeSceneLabel(this, 44, 72, 313, 89, serif, 19, Qt::white);
    Label3 = MakeSceneLabel(this, 32, 164, 345, 49, serif, 19, Qt::white);
    Label4 = MakeSceneLabel(this, 56, 212, 289, 25, serif, 19, Qt::white);
    Label5 = MakeSceneLabel(this, 36, 240, 329, 29, serif, 21, Qt::white);
    Label5->setFont(GameFont(serif, 21, true));
    OKBtn = MakeGlyphButton(this, 368, 268, 25, 25, ":/glyphs/maze_ok.png");
    connect(OKBtn, &QPushButton::clicked, this, [this] { Finish(ModalDone); });
    surface()->OnPaint = [this] { Paint(); };
}

void TDoneWin::FormShow() {
    CentreOverMainWindow();
    Label1->setText(Text({"Phantastisch, du hast es geschafft, dem König sein über alles "
                          "geliebtes Schachspiel zurückzubringen.",
                          "Fantastic, you have succeeded in returning the beloved chess board "
                          "to the king."}));
    Label2->setText(Text({"Aus Dankbarkeit ernennt Dich der König zu seinem Kanzler. Die Menschen "
                          "jubeln Dir zu. Friede und Eintracht kehren in das Königreich zurück.",
                          "In gratitude the king nominates you to his cancellor. People shout "
                          "with joy. Peace and harmony returned to the kingdom."}));
    Label3->setText(Text({"Um Dir Ehre zu erweisen, wirst Du als erster zum königlichen "
                          "Schachduell aufgefordert. ",
                          "You are the first, the king demands to a chess duel,  so he wants to "
                          "honour you."}));
    Label4->setText(Text({"Doch sei auf der Hut.", "But be careful!"}));
    Label5->setText(Text({"Der König verliert nicht gern!", "The king does not like it to loose."}));
    OKBtn->setToolTip(Text(texts::LeaveHint));
    OKBtn->setFocus();
}

void TDoneWin::Paint() {
    // The scene is read at every paint; without it the window stays black
    // behind its white lines.
    DrawPictureFile(QString::fromStdString(ProgramDir + "b4.bmp"));
}

void TDoneWin::showEvent(QShowEvent* event) {
    FormShow();
    SceneWindow::showEvent(event);
}

}  // namespace tarnwick
