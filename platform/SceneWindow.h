#pragma once
// A borderless scene window shown modally over the main window: its whole
// client area is a PaintBox, labels and buttons lie on top. The modal
// result is 1 (done, solved, yes) or 2 (left, cancelled, no).
#include <QDialog>
#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <functional>

#include "platform/PaintBox.h"

namespace tarnwick {

constexpr int ModalDone = 1;
constexpr int ModalLeft = 2;

class SceneWindow : public QDialog {
    Q_OBJECT
public:
    SceneWindow(int width, int height, bool staysOnTop);

    PaintBox* surface() const { return surface_; }
    // Ends the modal loop with the given result.
    void Finish(int result) { done(result); }
    // Whether the system's close command (Escape, the window manager) may
    // end the window with result 2; some scenes end only through a button.
    void SetClosableBySystem(bool closable) { closableBySystem_ = closable; }

    // Places the window over the middle of the main window's client area.
    void CentreOverMainWindow();
    // Fills the window's picture with the top-left of a picture file, read
    // afresh every time; a file that cannot be read leaves the window black.
    void DrawPictureFile(const QString& path);

public slots:
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    PaintBox* surface_;
    bool closableBySystem_ = true;
};

// Places a window, frame and all, in the middle of the primary screen.
void CentreOnScreen(QWidget* window);

// A text label of a scene: word-wrapped, transparent, in a named font.
QLabel* MakeSceneLabel(QWidget* parent, int left, int top, int width, int height,
                       const char* family, int pixelHeight, QColor colour,
                       Qt::Alignment alignment = Qt::AlignHCenter | Qt::AlignTop);
// A bitmap button with a glyph from the game's resources and no caption;
// it can be made the default button that Enter presses.
QPushButton* MakeGlyphButton(QWidget* parent, int left, int top, int width, int height,
                             const QString& glyph);
QFont GameFont(const char* family, int pixelHeight, bool bold = false);

// Runs a window modally and returns its result, 1 or 2 (never 0). Tests
// replace the modal loop with a script of their own.
int RunModal(QDialog* window);
using ModalScript = std::function<int(QDialog*)>;
void SetModalScript(ModalScript script);  // empty: the real modal loop

// The main window, over which every scene centres itself.
void SetMainWindow(QWidget* window);
QWidget* MainWindow();

}  // namespace tarnwick
