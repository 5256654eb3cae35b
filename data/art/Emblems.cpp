// SPDX-License-Identifier: GPL-3.0-or-later
// The game's emblem: the main window's icon and the about window's picture.
#include "GlyphKit.h"
#include "Glyphs.h"
#include "SceneKit.h"
#include "ScenePictures.h"

#include <QLinearGradient>
#include <QPainterPath>

namespace art {
namespace {

// A chequered shield under the king's crown, on a 64 x 64 design grid.
void designEmblem(QPainter &p) {
    QPainterPath shield;
    shield.moveTo(10, 22);
    shield.lineTo(54, 22);
    shield.lineTo(54, 40);
    shield.quadTo(52, 54, 32, 62);
    shield.quadTo(12, 54, 10, 40);
    shield.closeSubpath();
    p.save();
    p.setClipPath(shield);
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 5; ++c)
            p.fillRect(QRectF(10 + c * 8.8, 22 + r * 8.8, 8.8, 8.8),
                       ((r + c) & 1) ? QColor(60, 36, 22) : QColor(238, 222, 184));
    p.restore();
    p.setPen(QPen(QColor(30, 16, 6), 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shield);
    p.setPen(QPen(QColor(226, 176, 60), 1.4));
    p.drawPath(shield);
    paintCrown(p, QRectF(12, 1, 40, 24));
}

}  // namespace

QImage emblemIcon(int size) { return paintGlyph(size, size, designEmblem, 64, 64); }

QImage aboutPicture() {
    return splashPicture().scaled(101, 77, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace art
