// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SceneWindow.h"

#include <QCloseEvent>
#include <QPointer>

#include "platform/Accessible.h"
#include "platform/Glyphs.h"
#include "platform/SceneStack.h"

namespace tarnwick {

namespace {

QPointer<QWidget> sceneHost;
ModalScript modalScript;

// A scene is a child of the host, hidden until it is run; without a host,
// a window of its own with the given flags.
void MakeScene(QDialog* scene, Qt::WindowFlags alone) {
    UseGameAccessibility();
    scene->setParent(sceneHost, sceneHost ? Qt::WindowFlags(Qt::Widget) : alone);
    scene->setModal(true);
    scene->hide();
}

}  // namespace

void SetSceneHost(QWidget* host) { sceneHost = host; }
QWidget* SceneHost() { return sceneHost; }
void SetModalScript(ModalScript script) { modalScript = std::move(script); }

int RunModal(QDialog* scene) {
    int result = 0;
    if (modalScript) {
        result = modalScript(scene);
    } else if (scene->isWindow()) {
        result = scene->exec();  // no host: a window of its own
    } else {
        SceneStack::Shown shown(scene);
        result = scene->exec();
    }
    return result == ModalDone ? ModalDone : ModalLeft;
}

QList<QDialog*> OpenScenes() { return SceneStack::Scenes(); }

SceneWindow::SceneWindow(int width, int height) {
    MakeScene(this, Qt::Dialog | Qt::FramelessWindowHint);
    setFixedSize(width, height);
    // The scene itself takes the keys when none of its buttons does.
    setFocusPolicy(Qt::StrongFocus);
    surface_ = new PaintBox(this, 0, 0, width, height);
}

DialogScene::DialogScene() {
    MakeScene(this, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
}

void SceneWindow::DrawPictureFile(const QString& path) {
    Picture& canvas = surface_->canvas;
    canvas.Image().fill(Qt::black);
    Picture picture;
    if (picture.LoadBmp(path)) CopyRect(canvas, 0, 0, picture, 0, 0, canvas.Width(), canvas.Height());
}

bool SceneWindow::focusNextPrevChild(bool next) { return SceneStack::FocusNextWithin(this, next); }

bool DialogScene::focusNextPrevChild(bool next) { return SceneStack::FocusNextWithin(this, next); }

void DialogScene::changeEvent(QEvent* event) {
    // Inside the main window a dialog has no title bar of the desktop's:
    // its title is its name.
    if (event->type() == QEvent::WindowTitleChange) setAccessibleName(windowTitle());
    QDialog::changeEvent(event);
}

void SceneWindow::reject() {
    if (closableBySystem_) done(ModalLeft);
}

void SceneWindow::closeEvent(QCloseEvent* event) {
    if (closableBySystem_) {
        QDialog::closeEvent(event);
    } else {
        event->ignore();
    }
}

void SetHint(QAbstractButton* button, const QString& hint, const QString& key) {
    button->setToolTip(key.isEmpty() ? hint : QStringLiteral("%1 (%2)").arg(hint, key));
    button->setAccessibleName(hint);
}

QFont GameFont(const char* family, int pixelHeight, bool bold) {
    QFont font(QString::fromUtf8(family));
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QLabel* MakeSceneLabel(QWidget* parent, int left, int top, int width, int height,
                       const char* family, int pixelHeight, QColor colour, Qt::Alignment alignment) {
    auto* label = new QLabel(parent);
    label->setGeometry(left, top, width, height);
    label->setWordWrap(true);
    label->setAlignment(alignment);
    label->setFont(GameFont(family, pixelHeight));
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

QPushButton* MakeGlyphButton(QWidget* parent, int left, int top, int width, int height,
                             const QString& glyph) {
    auto* button = new QPushButton(parent);
    button->setGeometry(left, top, width, height);
    button->setAutoDefault(false);
    button->setIcon(GlyphIcon(glyph));
    const QSize size = GlyphSize(glyph);
    button->setIconSize(size.isValid() ? size : QSize(19, 19));
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

}  // namespace tarnwick
