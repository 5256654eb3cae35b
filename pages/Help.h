// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help pages: how the game is played, as a booklet of twelve pictures
// with a section heading and a few short texts on each.
#include "pages/PageKit.h"

namespace tarnwick {

class THelpWin : public PageWindow {
    Q_OBJECT
public:
    explicit THelpWin(const Stage& stage);

    void Paint() override;
    // Fills the labels with the heading and texts of the page on show.
    void BuildHelpPage();

    PageLabel* c[10] = {};  // c[1] is the heading, c[2] .. c[9] the texts

    int HelpPage = 1;

protected:
    int& Page() override { return HelpPage; }
    void ShowPage() override { BuildHelpPage(); }
};

}  // namespace tarnwick
