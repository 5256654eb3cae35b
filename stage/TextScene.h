// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A scene of white lines of text over a picture, closed by its one button:
// the restored-corridors window and the closing window. The picture is read
// at every paint; without it the scene stays black behind its lines. The
// system cannot close it.
#include <QLabel>
#include <QPushButton>
#include <vector>

#include "platform/SceneWindow.h"
#include "stage/Stage.h"

namespace tarnwick {

class TextScene : public SceneWindow {
    Q_OBJECT
public:
    struct Line {
        int left, top, width, height;
        int pixelHeight;
        bool bold;
        BiText text;
    };

    // The lines in the game's language, the button's hint; the button
    // takes the keyboard.
    void FormShow();
    void Paint();

    std::vector<QLabel*> Lines;
    QPushButton* OKBtn;

protected:
    TextScene(const Stage& stage, const char* name, const char* picture, std::vector<Line> lines);
    void showEvent(QShowEvent* event) override;

private:
    const Stage& stage_;
    const char* picture_;
    std::vector<Line> lines_;
};

}  // namespace tarnwick
