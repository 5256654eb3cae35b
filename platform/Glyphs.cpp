// SPDX-License-Identifier: GPL-3.0-or-later
// The button glyphs, compiled into the game as Qt resources under :/glyphs
// (made at build time by the art generator), as icons and sizes.
#include "platform/Glyphs.h"
#include "platform/ReadPicture.h"

#include <QFile>
#include <QIconEngine>
#include <QPainter>
#include <QPixmapCache>
#include <QPixmap>
#include <functional>
#include <memory>

namespace tarnwick {

namespace {
// A glyph picture, decoded once: the same glyph serves many buttons (every
// riddle room has the same three). Kept in Qt's pixmap cache, which lives
// and goes with the application.
QPixmap CachedGlyph(const QString& path) {
    QPixmap pixmap;
    if (QPixmapCache::find(path, &pixmap)) return pixmap;
    pixmap = QPixmap::fromImage(ReadPicture(path, "png"));
    if (!pixmap.isNull()) QPixmapCache::insert(path, pixmap);
    return pixmap;
}

// An icon whose pictures are decoded the first time it is drawn or asked
// about, not when a window is made: a scene's buttons cost nothing until
// the scene shows. A glyph's twice-as-dense twin waits until a screen of
// twice the density (or the game at twice its size) asks for it. Once made,
// it answers exactly as the icon it stands for.
class DeferredIcon : public QIconEngine {
public:
    // make(twice): the icon, with the pictures for twice the density when
    // twice is set. complete: make gives every picture the first time.
    DeferredIcon(std::function<QIcon(bool twice)> make, bool complete)
        : made_(std::make_shared<Made>(Made{std::move(make), {}, false, complete})) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        const qreal scale = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        Icon(scale).paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon(1.0).pixmap(size, 1.0, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
        return Icon(scale).pixmap(size / scale, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon(2.0).actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return Icon(2.0).availableSizes(mode, state);
    }
    bool isNull() override { return false; }
    QString key() const override { return QStringLiteral("tarnwick-deferred"); }
    QIconEngine* clone() const override { return new DeferredIcon(*this); }

private:
    struct Made {
        std::function<QIcon(bool)> make;
        QIcon icon;
        bool made;
        bool complete;
    };
    const QIcon& Icon(qreal scale) {
        const bool twice = scale > 1.0;
        if (!made_->made || (twice && !made_->complete)) {
            made_->icon = made_->make(twice);
            made_->made = true;
            made_->complete = made_->complete || twice;
        }
        return made_->icon;
    }
    std::shared_ptr<Made> made_;  // shared by the copies Qt makes
};

QIcon MadeGlyphIcon(const QString& path, bool twice) {
    QIcon icon;
    QPixmap plain = CachedGlyph(path);
    if (plain.isNull()) return icon;
    plain.setDevicePixelRatio(1);
    icon.addPixmap(plain);
    if (!twice) return icon;
    QString twicePath = path;
    twicePath.replace(QStringLiteral(".png"), QStringLiteral("@2x.png"));
    QPixmap dense = CachedGlyph(twicePath);
    if (!dense.isNull()) {
        dense.setDevicePixelRatio(2);
        icon.addPixmap(dense);
    }
    return icon;
}
}  // namespace

QIcon GlyphIcon(const QString& path) {
    if (!QFile::exists(path)) return {};
    return QIcon(new DeferredIcon([path](bool twice) { return MadeGlyphIcon(path, twice); }, false));
}

QSize GlyphSize(const QString& path) {
    // Read from the picture's header: the pixels wait until it is drawn.
    QPixmap plain;
    if (QPixmapCache::find(path, &plain)) return plain.size();
    return PictureSize(path, "png");
}

QIcon GameIcon() {
    return QIcon(new DeferredIcon(
        [](bool) {
            QIcon icon;
            for (int size : {TARNWICK_ICON_SIZES})
                icon.addPixmap(
                    QPixmap::fromImage(ReadPicture(QStringLiteral(":/glyphs/icon%1.png").arg(size), "png")));
            return icon;
        },
        true));
}

}  // namespace tarnwick
