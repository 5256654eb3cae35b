// The button glyphs, compiled into the game as Qt resources under :/glyphs
// (made at build time by the art generator), as icons and sizes.
#include "platform/Glyphs.h"

#include <QImageReader>
#include <QPixmapCache>
#include <QPixmap>

namespace tarnwick {

namespace {
// A glyph picture, decoded once: the same glyph serves many buttons (every
// riddle room has the same three). Kept in Qt's pixmap cache, which lives
// and goes with the application.
QPixmap CachedGlyph(const QString& path) {
    QPixmap pixmap;
    if (QPixmapCache::find(path, &pixmap)) return pixmap;
    pixmap.load(path);
    if (!pixmap.isNull()) QPixmapCache::insert(path, pixmap);
    return pixmap;
}
}  // namespace

QIcon GlyphIcon(const QString& path) {
    QIcon icon;
    QPixmap plain = CachedGlyph(path);
    if (plain.isNull()) return icon;
    plain.setDevicePixelRatio(1);
    icon.addPixmap(plain);
    QString twicePath = path;
    twicePath.replace(QStringLiteral(".png"), QStringLiteral("@2x.png"));
    QPixmap twice = CachedGlyph(twicePath);
    if (!twice.isNull()) {
        twice.setDevicePixelRatio(2);
        icon.addPixmap(twice);
    }
    return icon;
}

QSize GlyphSize(const QString& path) {
    const QPixmap plain = CachedGlyph(path);
    return plain.isNull() ? QImageReader(path).size() : plain.size();
}

QIcon GameIcon() {
    QIcon icon;
    for (int size : {TARNWICK_ICON_SIZES}) icon.addFile(QStringLiteral(":/glyphs/icon%1.png").arg(size), QSize(size, size));
    return icon;
}

}  // namespace tarnwick
