#include "riddles/frame/RiddleFrame.h"

#include "state/Texts.h"

namespace tarnwick {

namespace {
constexpr int ButtonSize = 26;
}  // namespace

TRiddleFrame::TRiddleFrame(Stage& stage, int width, int height, const FrameButtons& buttons)
    : SceneWindow(width, height), stage_(stage), canvas_(*surface()) {
    const auto button = [this, &buttons](int left, const QString& glyph) {
        return MakeGlyphButton(this, left, buttons.top, ButtonSize, ButtonSize, glyph);
    };
    if (buttons.reset >= 0) ResetBtn = button(buttons.reset, ":/glyphs/riddle_reset.png");
    HelpBtn = button(buttons.help, ":/glyphs/riddle_help.png");
    EscBtn = button(buttons.leave, ":/glyphs/riddle_esc.png");
    OKBtn = button(buttons.leave, buttons.successGlyph);
    HelpBtn->setDefault(true);
    if (ResetBtn) setTabOrder(HelpBtn, ResetBtn);
    setTabOrder(ResetBtn ? ResetBtn : HelpBtn, EscBtn);
    setTabOrder(EscBtn, OKBtn);

    if (ResetBtn) connect(ResetBtn, &QPushButton::clicked, this, [this] { ResetBtnClick(); });
    connect(HelpBtn, &QPushButton::clicked, this, [this] { ShowRules(); });
    connect(EscBtn, &QPushButton::clicked, this, [this] { Finish(ModalLeft); });
    connect(OKBtn, &QPushButton::clicked, this, [this] { Finish(ModalDone); });
}

void TRiddleFrame::ShowRules() {
    for (const BiText& message : RulesMessages()) stage_.Say(message);
    AfterRules();
}

void TRiddleFrame::ShowSolved(bool solved) {
    EscBtn->setVisible(!solved);
    OKBtn->setVisible(solved);
}

void TRiddleFrame::SetHints() {
    if (ResetBtn) ResetBtn->setToolTip(stage_.Text(texts::ResetHint));
    HelpBtn->setToolTip(stage_.Text(texts::RulesHint));
    OKBtn->setToolTip(stage_.Text(texts::LeaveHint));
    EscBtn->setToolTip(stage_.Text(texts::LaterHint));
}

}  // namespace tarnwick
