// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/Help.h"

#include "pages/HelpTexts.h"

namespace tarnwick {

namespace {

struct LabelPlace {
    int top, height, pixelHeight;
};

// Every label spans the window's width; the rectangles overlap, and each
// page fills only labels whose texts keep clear of one another.
const LabelPlace LabelPlaces[10] = {
    {0, 0, 0},     {20, 25, 21},   {60, 109, 19},  {88, 109, 19},  {116, 109, 19},
    {144, 109, 19}, {172, 109, 19}, {196, 97, 19}, {228, 33, 21},  {220, 70, 19},
};

}  // namespace

THelpWin::THelpWin(const Stage& stage)
    : PageWindow(stage, "THelpWin", HelpPageCount, {"Genug.", "That's enough."}, {"Hilfe", "Help"}) {
    for (int n = 1; n <= 9; ++n) {
        const LabelPlace& place = LabelPlaces[n];
        c[n] = AddLabel(QString("c%1").arg(n), 10, place.top, 380, place.height, place.pixelHeight);
    }
}

void THelpWin::Paint() { DrawPagePicture(HelpPages[HelpPage].picture); }

void THelpWin::BuildHelpPage() {
    for (int n = 1; n <= 9; ++n) c[n]->clear();
    const HelpPageContent& page = HelpPages[HelpPage];
    c[1]->setText(stage_.Text(page.heading));
    for (const HelpText& text : page.texts)
        if (text.label != 0) c[text.label]->setText(stage_.Text(text.text));
}

}  // namespace tarnwick
