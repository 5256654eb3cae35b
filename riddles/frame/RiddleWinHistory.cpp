// SPDX-License-Identifier: GPL-3.0-or-later
// The riddle window's moves taken back and made again, and its hint.
#include "riddles/frame/RiddleWin.h"
#include "state/Texts.h"

namespace tarnwick {

namespace {
// A field of the hint's move shows its mark this long, then the room
// shows it bare this long; three times over.
constexpr int HintMarkMs = 150;
constexpr int HintBareMs = 100;
constexpr int HintBlinks = 3;
}  // namespace

void TRiddleWin::RecordMove(bool always) { history_.Record(*rules_, !OKBtn->isHidden(), always); }

void TRiddleWin::Undo() {
    if (const auto solvedShown = history_.Undo(*rules_)) ShowAsItStands(*solvedShown);
}

void TRiddleWin::Redo() {
    if (const auto solvedShown = history_.Redo(*rules_)) ShowAsItStands(*solvedShown);
}

// The room as it stood, with the button that showed then; no cue.
void TRiddleWin::ShowAsItStands(bool solvedShown) {
    ShowSolved(solvedShown);
    BoardChanged();
    view_->ShowFrame(-1);
    if (!canvas_.Ready()) return;
    Paint();
    canvas_.ShowAll();
}

void TRiddleWin::ShowHint() {
    if (rules_->MoveUnderway()) return;
    // A room shown solved needs no move; the piece is there to be taken.
    const Hint hint = !OKBtn->isHidden() && rules_->Judge() == Verdict::Solved ? Hint::Of(Hint::Solved)
                                                                             : rules_->NextMove();
    if (hint.kind == Hint::Move) {
        if (!canvas_.Ready()) return;
        for (int blink = 0; blink < HintBlinks; ++blink) {
            for (const BoardPoint& field : hint.fields) {
                view_->DrawHintMark(canvas_, field);
                stage_.BusyWait(HintMarkMs);
                Paint();
                canvas_.ShowAll();
                stage_.BusyWait(HintBareMs);
            }
        }
        return;
    }
    stage_.Say(hint.kind == Hint::Solved ? texts::HintSolved : hint.kind == Hint::NoWay ? texts::HintNoWay
                                                                                        : texts::HintGaveUp);
    AfterRules();
}

}  // namespace tarnwick
