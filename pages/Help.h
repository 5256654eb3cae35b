#pragma once
// The help pages: how the game is played, as a booklet of twelve pictures
// with a section heading and a few short texts on each.
#include <QPushButton>

#include "pages/PageKit.h"
#include "platform/SceneWindow.h"

namespace tarnwick {

class THelpWin : public SceneWindow {
    Q_OBJECT
public:
    THelpWin();

    // Nothing to load; always true.
    bool FormCreate();
    // Shows the help from page 1 until OKBtn closes it; returns 1.
    int ShowModal();

    // Handlers, public so tests can leaf through the pages.
    void FormShow();
    void Activate();
    void Paint();
    void NextPage();
    void PrevPage();
    void BuildHelpPage();

    PageLabel* c[10] = {};  // c[1] is the heading, c[2] .. c[9] the texts
    QPushButton* OKBtn;
    QPushButton* DownBtn;
    QPushButton* UpBtn;

    int HelpPage = 1;

protected:
    void showEvent(QShowEvent* event) override;
};

extern THelpWin* HelpWin;

}  // namespace tarnwick
