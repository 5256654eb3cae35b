// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The story pages: the king, his chancellor and the broken chess board, told
// as a picture book of nine pages. On the page where the board breaks, a
// short clip plays in a panel.
#include <memory>

#include "pages/PageKit.h"
#include "platform/ClipPlayer.h"
#include "platform/PaintBox.h"

namespace tarnwick {

class TIntroWin : public PageWindow {
    Q_OBJECT
public:
    static constexpr int PageCount = 9;

    explicit TIntroWin(const Stage& stage);
    ~TIntroWin() override;

    // Centres the window and names the clip; a clip file that is not there
    // sets ClipFailed at once. Always true: a clip that will not open only
    // leaves its page without it.
    bool FormCreate() override;

    void Paint() override;
    void Panel1Click();
    // Takes every label and the clip off the window.
    void HideStoryPage();
    // Shows the labels of the page on show, and the clip on its page.
    void ShowStoryPage();

    PageLabel* Label[20] = {};  // Label[1] .. Label[19]
    PaintBox* Panel1;  // the clip is shown in here
    std::unique_ptr<ClipPlayer> MediaPlayer1;

    int StoryPage = 1;
    // Set at creation when the clip file is missing, and at the clip's
    // first opening (when its page is first drawn) when the file or the
    // clip module will not open.
    bool ClipFailed = false;

protected:
    int& Page() override { return StoryPage; }
    void FillTexts() override;
    void HidePage() override { HideStoryPage(); }
    void ShowPage() override { ShowStoryPage(); }

private:
    void FramePanel();
    // Opens the clip the first time it is needed; false once it has failed.
    bool ClipReady();

    QString clipFile_;
    bool clipOpened_ = false;
};

}  // namespace tarnwick
