#pragma once
// What the story and help windows are both made of: a full-window picture,
// white texts laid over it, and the three buttons in the bottom right
// corner that leaf back, leaf on and close.
#include <QLabel>
#include <QPushButton>

#include "platform/Picture.h"

namespace tarnwick {

// A page text: white, centred line by line, word-wrapped inside its
// rectangle, with a dark rim so it stays readable on a busy picture.
class PageLabel : public QLabel {
    Q_OBJECT
public:
    PageLabel(QWidget* parent, int left, int top, int width, int height, int pixelHeight);

    // Where the current text lies once it is broken into lines, measured
    // without the label's own height as a limit.
    QRect TextRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

struct PageButtons {
    QPushButton* OKBtn;
    QPushButton* DownBtn;
    QPushButton* UpBtn;
};
// The buttons in their places and tab order: OK, on, back.
PageButtons MakePageButtons(QWidget* parent);

// Copies the top-left 400 x 300 of a picture file beside the program onto
// the canvas, read afresh every time; a picture that cannot be read leaves
// the page black.
void DrawPagePicture(Picture& canvas, const char* file);

}  // namespace tarnwick
