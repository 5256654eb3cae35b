#include "platform/SceneWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QWindow>

#include "platform/System.h"
#include <QIcon>

#include "platform/Glyphs.h"

namespace tarnwick {

namespace {
QWidget* mainWindow = nullptr;
ModalScript modalScript;
}  // namespace

void SetMainWindow(QWidget* window) { mainWindow = window; }
QWidget* MainWindow() { return mainWindow; }
void SetModalScript(ModalScript script) { modalScript = std::move(script); }

int RunModal(QDialog* window) {
    // A window opened from another modal window belongs over that one, also
    // when the window manager keeps the other one on top.
    QWidget* over = QApplication::activeModalWidget();
    if (over && over != window) {
        window->winId();
        if (window->windowHandle() && over->windowHandle())
            window->windowHandle()->setTransientParent(over->windowHandle());
    }
    const int result = modalScript ? modalScript(window) : window->exec();
    return result == ModalDone ? ModalDone : ModalLeft;
}

SceneWindow::SceneWindow(int width, int height, bool staysOnTop)
    : QDialog(mainWindow, Qt::Dialog | Qt::FramelessWindowHint |
                              (staysOnTop ? Qt::WindowStaysOnTopHint : Qt::WindowFlags())) {
    setFixedSize(width, height);
    setModal(true);
    surface_ = new PaintBox(this, 0, 0, width, height);
}

void SceneWindow::CentreOverMainWindow() {
    if (!mainWindow) return;
    const QRect outer = mainWindow->frameGeometry();
    const int clientHeight = mainWindow->height();
    move(outer.x() + (outer.width() - width()) / 2,
         outer.y() + outer.height() - (clientHeight + height()) / 2);
}

void SceneWindow::DrawPictureFile(const QString& path) {
    Picture& canvas = surface_->canvas;
    canvas.Image().fill(Qt::black);
    Picture picture;
    if (picture.LoadBmp(path)) CopyRect(canvas, 0, 0, picture, 0, 0, canvas.Width(), canvas.Height());
}

void CentreOnScreen(QWidget* window) {
    const QSize outer = window->frameGeometry().size();
    window->move((ScreenWidth() - outer.width()) / 2, (ScreenHeight() - outer.height()) / 2);
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
