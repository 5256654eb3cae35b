#pragma once
// The story pages: the king, his chancellor and the broken chess board, told
// as a picture book of nine pages. On the page where the board breaks, a
// short clip plays in a panel.
#include <QPushButton>
#include <memory>

#include "pages/PageKit.h"
#include "platform/ClipPlayer.h"
#include "platform/PaintBox.h"
#include "platform/SceneWindow.h"

namespace tarnwick {

class TIntroWin : public SceneWindow {
    Q_OBJECT
public:
    static constexpr int PageCount = 9;

    TIntroWin();
    ~TIntroWin() override;

    // Opens the clip. Always true: a clip that will not open only leaves
    // its page without it.
    bool FormCreate();
    // Shows the story from page 1 until OKBtn closes it; returns 1.
    int ShowModal();

    // Handlers, public so tests can leaf through the pages.
    void FormShow();
    void Activate();
    void Paint();
    void NextPage();
    void PrevPage();
    void Panel1Click();
    void HideStoryPage();
    void ShowStoryPage();

    PageLabel* Label[20] = {};  // Label[1] .. Label[19]
    QPushButton* OKBtn;
    QPushButton* DownBtn;
    QPushButton* UpBtn;
    PaintBox* Panel1;  // the clip is shown in here
    std::unique_ptr<ClipPlayer> MediaPlayer1;

    int StoryPage = 1;
    bool ClipFailed = false;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FramePanel();
};

extern TIntroWin* IntroWin;

}  // namespace tarnwick
