// The button glyphs live in this library as Qt resources under :/glyphs;
// Qt registers them at start-up through the resource object linked with it.
#include "data/art/GlyphIcons.h"

#include <QImageReader>
#include <QPixmap>

namespace tarnwick_art {

QIcon GlyphIcon(const QString &path) {
    QIcon icon;
    QPixmap plain(path);
    if (plain.isNull()) return icon;
    plain.setDevicePixelRatio(1);
    icon.addPixmap(plain);
    QString twicePath = path;
    twicePath.replace(QStringLiteral(".png"), QStringLiteral("@2x.png"));
    QPixmap twice(twicePath);
    if (!twice.isNull()) {
        twice.setDevicePixelRatio(2);
        icon.addPixmap(twice);
    }
    return icon;
}

QSize GlyphSize(const QString &path) { return QImageReader(path).size(); }

QIcon GameIcon() {
    QIcon icon;
    for (int size : {TARNWICK_ICON_SIZES}) icon.addFile(QStringLiteral(":/glyphs/icon%1.png").arg(size), QSize(size, size));
    return icon;
}

}  // namespace tarnwick_art
