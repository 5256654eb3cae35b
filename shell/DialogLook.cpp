// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/DialogLook.h"

#include <QIcon>
#include <QPainter>

#include "platform/Glyphs.h"
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

namespace {

class IconPicture : public QWidget {
public:
    IconPicture(QWidget* parent, QIcon icon) : QWidget(parent), icon_(std::move(icon)) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QSize size(32, 32);
        icon_.paint(&painter, QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size));
    }

private:
    QIcon icon_;
};

}  // namespace

QWidget* MakeIconPicture(QWidget* parent, int left, int top) {
    const QWidget* host = SceneHost();
    const QIcon icon = host && !host->window()->windowIcon().isNull() ? host->window()->windowIcon() : GameIcon();
    auto* picture = new IconPicture(parent, icon);
    picture->setGeometry(left, top, 37, 37);
    return picture;
}

void SpaceGlyphFromCaption(QPushButton* button) {
    // Five blank pixels right of the glyph, at both densities of the glyph.
    const QSize size = button->iconSize();
    const QSize spacedSize(size.width() + 5, size.height());
    QIcon spacedIcon;
    for (const qreal density : {1.0, 2.0}) {
        const QPixmap glyph = button->icon().pixmap(size, density);
        if (glyph.isNull()) return;
        QPixmap spaced(spacedSize * density);
        spaced.setDevicePixelRatio(density);
        spaced.fill(Qt::transparent);
        QPainter(&spaced).drawPixmap(0, 0, glyph);
        spacedIcon.addPixmap(spaced);
    }
    button->setIcon(spacedIcon);
    button->setIconSize(spacedSize);
}

}  // namespace tarnwick
