#include "shell/DialogLook.h"

#include <QIcon>
#include <QPainter>

#include "platform/SceneWindow.h"

namespace tarnwick {

void SetParchmentLook(QWidget* window) {
    const QColor parchment(0xef, 0xe3, 0xc6), ink(0x2e, 0x1c, 0x0f), wood(0x6b, 0x45, 0x28);
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, parchment);
    palette.setColor(QPalette::WindowText, ink);
    palette.setColor(QPalette::Text, ink);
    palette.setColor(QPalette::Button, QColor(0xe2, 0xcf, 0xa6));
    palette.setColor(QPalette::ButtonText, ink);
    palette.setColor(QPalette::Light, QColor(0xfb, 0xf4, 0xe2));
    palette.setColor(QPalette::Midlight, QColor(0xf3, 0xe8, 0xcd));
    palette.setColor(QPalette::Mid, QColor(0xb8, 0x9a, 0x6c));
    palette.setColor(QPalette::Dark, wood);
    palette.setColor(QPalette::Shadow, QColor(0x3b, 0x2a, 0x1e));
    palette.setColor(QPalette::Highlight, wood);
    palette.setColor(QPalette::HighlightedText, parchment);
    window->setPalette(palette);
    window->setAutoFillBackground(true);
    window->setFont(GameFont("Liberation Sans", 13));
}

QLabel* MakeIconPicture(QWidget* parent, int left, int top) {
    auto* picture = new QLabel(parent);
    picture->setGeometry(left, top, 37, 37);
    picture->setAlignment(Qt::AlignCenter);
    QWidget* main = MainWindow();
    const QIcon icon = main && !main->windowIcon().isNull() ? main->windowIcon() : QIcon(":/glyphs/icon.png");
    picture->setPixmap(icon.pixmap(QSize(32, 32)));
    return picture;
}

void SpaceGlyphFromCaption(QPushButton* button) {
    const QPixmap glyph = button->icon().pixmap(button->iconSize());
    if (glyph.isNull()) return;
    QPixmap spaced(glyph.width() + 5, glyph.height());
    spaced.fill(Qt::transparent);
    QPainter(&spaced).drawPixmap(0, 0, glyph);
    button->setIcon(QIcon(spaced));
    button->setIconSize(spaced.size());
}

}  // namespace tarnwick
