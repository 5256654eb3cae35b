// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The frame that every riddle room and the throne room share: a scene with
// its drawing canvas; the help button, which shows the rules one message
// after the other; the leave button and, in its place once the riddle is
// solved, the success button; and in the riddle rooms the reset button;
// the keys of the board (BoardKeys), one way for every room.
// What the frame says and shows comes through the stage and the pictures
// handed to its canvas.
#include <QPushButton>
#include <vector>

#include "platform/SceneWindow.h"
#include "riddles/frame/BoardKeys.h"
#include "riddles/frame/RiddleCanvas.h"
#include "stage/Stage.h"

namespace tarnwick {

// Where the frame's buttons stand: one row of 26 x 26 buttons.
struct FrameButtons {
    int top;
    int reset;  // -1: no reset button
    int help;
    int leave;  // the leave button, and the success button in its place
    QString successGlyph;
};

class TRiddleFrame : public SceneWindow {
    Q_OBJECT
public:
    void UsePictures(const RiddlePictures& pictures) { canvas_.Use(pictures); }
    RiddleCanvas& Canvas() { return canvas_; }

    // The rules, one message after the other.
    void ShowRules();

    QPushButton* ResetBtn = nullptr;
    QPushButton* HelpBtn;
    QPushButton* EscBtn;
    QPushButton* OKBtn;

    // The keys of the board, once the room has said what input it takes.
    BoardKeys* Keys = nullptr;

protected:
    TRiddleFrame(Stage& stage, int width, int height, const FrameButtons& buttons);

    // The rules of the room as it stands.
    virtual std::vector<BiText> RulesMessages() const = 0;
    // Back in the room after the rules messages.
    virtual void AfterRules() {}
    // A press of the reset button.
    virtual void ResetBtnClick() {}

    // The success button in place of the leave button, or the leave button.
    void ShowSolved(bool solved);
    // The buttons' hints in the game's language.
    void SetHints();

    // The board's keys, and the board told to a screen reader as a table
    // of its fields, each named by `name` (x column, y row), the cursor's
    // field the one in focus.
    void UseBoard(BoardKeys::Input input, std::function<BoardKeys::Layout()> layout, BoardKeys::Mouse mouse,
                  std::function<QString(QPoint field)> name);
    // What lies on the board changed.
    void BoardChanged();

    Stage& stage_;
    RiddleCanvas canvas_;
};

}  // namespace tarnwick
