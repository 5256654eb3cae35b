// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the story and help windows are both made of: a picture book of
// full-window pictures with white texts laid over them, and the three
// buttons in the bottom right corner that leaf back, leaf on and close.
#include <QLabel>
#include <QPushButton>

#include "platform/SceneWindow.h"
#include "stage/Stage.h"

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

// A 400 x 300 window of pages, opened on page 1 every time: DownBtn leafs
// on (dead on the last page), UpBtn back (dead on the first), OKBtn closes
// the window with result 1; the system cannot close it. The keys: the
// arrow keys (and Page Up, Page Down) leaf back and on, Escape closes the
// window as OKBtn does.
class PageWindow : public SceneWindow {
    Q_OBJECT
public:
    // Centres the window over the main window; always true.
    virtual bool FormCreate();
    // Shows the pages from page 1 until OKBtn closes the window; returns 1.
    int ShowModal();

    // Handlers, public so tests can leaf through the pages.
    void FormShow();
    void Activate();
    virtual void Paint() = 0;
    void NextPage();
    void PrevPage();

    QPushButton* OKBtn;
    QPushButton* DownBtn;
    QPushButton* UpBtn;

protected:
    // okHint is the tool tip of OKBtn: what closing means in this window;
    // title what a screen reader calls the window.
    PageWindow(const Stage& stage, const char* name, int pageCount, const BiText& okHint, const BiText& title);
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // The arrow keys turn the pages also while a button has the keyboard.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A page text with the given name, under the buttons.
    PageLabel* AddLabel(const QString& name, int left, int top, int width, int height,
                        int pixelHeight);

    // The number of the page on show, 1 .. pageCount.
    virtual int& Page() = 0;
    // Puts the texts of all pages, in the current language, into the labels.
    virtual void FillTexts() {}
    // Takes the page on show away before the next one is painted.
    virtual void HidePage() {}
    // Lays the texts of the page on show over its picture.
    virtual void ShowPage() = 0;
    // The picture file beside the program that a page shows.
    void DrawPagePicture(const char* file);

    const Stage& stage_;

private:
    void TurnTo(int page);

    // Turns the page for a key; false when the key turns none.
    bool TurnByKey(const QKeyEvent* event);

    int pageCount_;
    BiText okHint_;
    BiText title_;
};

}  // namespace tarnwick
