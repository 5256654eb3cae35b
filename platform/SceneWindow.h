// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's scenes: parts of the main window shown modally over what lies
// under it. Every scene lies in the scene host (the main window's game
// area) and is centred there when it is shown; while it is up, nothing under
// it takes any input and the keyboard stays inside it; scenes stack, a
// message over a riddle room over a door room. Where the desktop places and
// stacks its windows plays no part. The modal result is 1 (done, solved,
// yes) or 2 (left, cancelled, no).
//
// A SceneWindow is borderless: its whole area is a PaintBox, labels and
// buttons lie on top. A DialogScene draws a caption with its title and a
// close box above itself, as the game's dialogs have always had one.
#include <QDialog>
#include <QFont>
#include <QLabel>
#include <QAbstractButton>
#include <QPushButton>
#include <functional>

#include "platform/PaintBox.h"

namespace tarnwick {

constexpr int ModalDone = 1;
constexpr int ModalLeft = 2;

// The widget every scene made afterwards lies in; null: scenes are windows
// of their own (a test of one scene).
void SetSceneHost(QWidget* host);
QWidget* SceneHost();

class SceneWindow : public QDialog {
    Q_OBJECT
public:
    SceneWindow(int width, int height);

    PaintBox* surface() const { return surface_; }
    // Ends the modal loop with the given result.
    void Finish(int result) { done(result); }
    // Whether Escape may end the scene with result 2; some scenes end only
    // through a button.
    void SetClosableBySystem(bool closable) { closableBySystem_ = closable; }

    // Fills the scene's picture with the top-left of a picture file, read
    // afresh every time; a file that cannot be read leaves the scene black.
    void DrawPictureFile(const QString& path);

public slots:
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    PaintBox* surface_;
    bool closableBySystem_ = true;
};

class DialogScene : public QDialog {
    Q_OBJECT
public:
    DialogScene();

protected:
    bool focusNextPrevChild(bool next) override;
    void changeEvent(QEvent* event) override;
};

// A text label of a scene: word-wrapped, transparent, in a named font.
QLabel* MakeSceneLabel(QWidget* parent, int left, int top, int width, int height,
                       const char* family, int pixelHeight, QColor colour,
                       Qt::Alignment alignment = Qt::AlignHCenter | Qt::AlignTop);
// A bitmap button with a glyph from the game's resources and no caption;
// it can be made the default button that Enter presses.
QPushButton* MakeGlyphButton(QWidget* parent, int left, int top, int width, int height,
                             const QString& glyph);
QFont GameFont(const char* family, int pixelHeight, bool bold = false);
// A button's hint: shown when the mouse rests on it, with the key that
// presses it when there is one, and its name for a screen reader.
void SetHint(QAbstractButton* button, const QString& hint, const QString& key = {});

// Runs a scene modally and returns its result, 1 or 2 (never 0). Tests
// replace the modal loop with a script of their own.
int RunModal(QDialog* scene);
using ModalScript = std::function<int(QDialog*)>;
void SetModalScript(ModalScript script);  // empty: the real modal loop

// The scenes up now, bottom first.
QList<QDialog*> OpenScenes();

}  // namespace tarnwick
