// SPDX-License-Identifier: GPL-3.0-or-later
// The help files: the game's rules and the maker's catalogue, each shown by
// the help viewer at the topic of the current language.
#include "platform/HelpViewer.h"
#include "shell/Main.h"

namespace tarnwick {

void TMainForm::RulesBtnClick() {
    CloseHelpViewer();
    HelpFile = game_.ProgramDir + "TARN1.HLP";
    ShowHelpTopic(HelpFile, game_.Tr({"Das_Spiel", "The_game"}));
}

void TMainForm::FennickBtnClick() {
    CloseHelpViewer();
    HelpFile = game_.ProgramDir + "FGAM.HLP";
    ShowHelpTopic(HelpFile, game_.Tr({"Fennick_Games_d", "Fennick_Games_e"}));
}

}  // namespace tarnwick
