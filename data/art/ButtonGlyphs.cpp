// SPDX-License-Identifier: GPL-3.0-or-later
// The 19 x 19 pictures of the riddle-room and page buttons, and the two
// language flags.
#include "GlyphKit.h"
#include "Glyphs.h"

namespace art {

QImage riddleHelpGlyph() { return paintGlyph(19, 19, designOpenBook); }
QImage riddleResetGlyph() { return paintGlyph(19, 19, designCrown); }
QImage riddleEscGlyph() { return paintGlyph(19, 19, designDoor); }
QImage pagePrevGlyph() { return paintGlyph(19, 19, [](QPainter &p) { designArrow(p, 2); }); }
QImage pageNextGlyph() { return paintGlyph(19, 19, [](QPainter &p) { designArrow(p, 0); }); }
QImage pageOkGlyph() { return paintGlyph(19, 19, designCheck); }
// Leaving the restored-corridors and closing windows: out through the door.
QImage mazeOkGlyph() { return paintGlyph(19, 19, designDoor); }

QImage englishFlagGlyph() {
    return paintGlyph(24, 16, [](QPainter &p) {
        p.setRenderHint(QPainter::Antialiasing);
        p.fillRect(QRectF(0, 0, 24, 16), QColor(1, 33, 105));
        p.setClipRect(QRectF(0, 0, 24, 16));
        p.setPen(QPen(Qt::white, 3.2));
        p.drawLine(QPointF(0, 0), QPointF(24, 16));
        p.drawLine(QPointF(24, 0), QPointF(0, 16));
        p.setPen(QPen(QColor(200, 16, 46), 1.1));
        p.drawLine(QPointF(0, 0), QPointF(24, 16));
        p.drawLine(QPointF(24, 0), QPointF(0, 16));
        p.fillRect(QRectF(9.5, 0, 5, 16), Qt::white);
        p.fillRect(QRectF(0, 5.5, 24, 5), Qt::white);
        p.fillRect(QRectF(10.5, 0, 3, 16), QColor(200, 16, 46));
        p.fillRect(QRectF(0, 6.5, 24, 3), QColor(200, 16, 46));
        p.setClipping(false);
        p.setPen(QPen(QColor(30, 30, 30), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(0.5, 0.5, 23, 15));
    }, 24, 16);
}

QImage germanFlagGlyph() {
    return paintGlyph(24, 16, [](QPainter &p) {
        p.fillRect(QRectF(0, 0, 24, 5.33), QColor(20, 20, 20));
        p.fillRect(QRectF(0, 5.33, 24, 5.34), QColor(221, 0, 0));
        p.fillRect(QRectF(0, 10.67, 24, 5.33), QColor(255, 206, 0));
        p.setPen(QPen(QColor(30, 30, 30), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(0.5, 0.5, 23, 15));
    }, 24, 16);
}

// The language button of the about window: both flags, split corner to corner.
QImage aboutLanguageGlyph() {
    const QImage en = englishFlagGlyph(), de = germanFlagGlyph();
    QImage img = en;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (x * img.height() + y * img.width() > img.width() * img.height())
                img.setPixel(x, y, de.pixel(x, y));
    return img;
}

}  // namespace art
