// SPDX-License-Identifier: GPL-3.0-or-later
#include "riddles/frame/RiddleFrame.h"

#include "platform/Accessible.h"
#include "riddles/frame/FieldNames.h"
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
    if (ResetBtn) SetHint(ResetBtn, stage_.Text(texts::ResetHint));
    SetHint(HelpBtn, stage_.Text(texts::RulesHint));
    SetHint(OKBtn, stage_.Text(texts::LeaveHint));
    SetHint(EscBtn, stage_.Text(texts::LaterHint));
    surface()->setAccessibleName(stage_.Text(field_names::Board));
}

void TRiddleFrame::UseBoard(BoardKeys::Input input, std::function<BoardKeys::Layout()> layout,
                            BoardKeys::Mouse mouse, std::function<QString(QPoint field)> name) {
    Keys = new BoardKeys(this, surface(), input, layout, std::move(mouse));
    setTabOrder(OKBtn, surface());
    const auto field = [layout](int column, int row) {
        const BoardKeys::Layout l = layout();
        return QRect(l.left + l.cellSize * column, l.top + l.cellSize * row, l.cellSize, l.cellSize);
    };
    AccessibleGrid* grid = AccessibleGrid::Attach(
        surface(), {[layout] { return layout().columns; }, [layout] { return layout().rows; },
                    [name](int column, int row) { return name(QPoint(column, row)); }, field,
                    [this]() -> std::optional<QPoint> { return Keys->Field(); }});
    Keys->onCursor = [grid] { grid->CursorMoved(); };
    Keys->onAction = [grid] { grid->Changed(); };
    // Never away from a solved riddle by Escape: the success button is the
    // way out then.
    Keys->leave = [this] {
        if (EscBtn->isVisibleTo(this)) EscBtn->click();
    };
}

void TRiddleFrame::BoardChanged() {
    if (AccessibleGrid* grid = AccessibleGrid::Of(surface())) grid->Changed();
}

}  // namespace tarnwick
