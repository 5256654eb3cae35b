#pragma once
// The language window: English or German for every text of the game.
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace tarnwick {

class TTongueDlg : public QDialog {
    Q_OBJECT
public:
    TTongueDlg();

    // Shows the window modally; 1 when a language was chosen, else 2.
    int ShowModal();

    QFrame* Bevel1;
    QLabel* Image4;          // the game's icon
    QPushButton* EnglishBtn;
    QPushButton* GermanBtn;

    void EnglishBtnClick();
    void GermanBtnClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
};

extern TTongueDlg* TongueDlg;

// The small dialogs of the game wear parchment and dark wood.
void SetParchmentLook(QWidget* window);
// The main window's icon in a 37 x 37 picture at (left, top).
QLabel* MakeIconPicture(QWidget* parent, int left, int top);
// A little air between a button's glyph and its caption.
void SpaceGlyphFromCaption(QPushButton* button);
// Places a window in the middle of the screen.
void CentreOnScreen(QWidget* window);

}  // namespace tarnwick
