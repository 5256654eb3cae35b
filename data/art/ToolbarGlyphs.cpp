// SPDX-License-Identifier: GPL-3.0-or-later
// The ten tool-bar pictures, 20 x 20 (the maker's button 26 x 20).
#include "GlyphKit.h"
#include "Glyphs.h"
#include "data/kit/Outline.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <cmath>

namespace art {

QImage restartGlyph() {
    return paintGlyph(20, 20, [](QPainter &p) {
        // a circling arrow: start the mission again
        QPainterPath ring;
        ring.arcMoveTo(QRectF(2.5, 2.5, 15, 15), 60);
        ring.arcTo(QRectF(2.5, 2.5, 15, 15), 60, 260);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(InkOutline, 5.2, Qt::SolidLine, Qt::FlatCap));
        p.drawPath(ring);
        p.setPen(QPen(QColor(80, 168, 70), 3.0, Qt::SolidLine, Qt::FlatCap));
        p.drawPath(ring);
        const QPainterPath head = kit::outline({{9, 0.8}, {16.5, 3.2}, {11, 9}});
        p.setPen(QPen(InkOutline, 1.0));
        p.setBrush(QColor(80, 168, 70));
        p.drawPath(head);
    });
}

QImage loadGlyph() {
    return paintGlyph(20, 20, [](QPainter &p) {
        // an opened folder with a saved game coming out
        p.setPen(QPen(InkOutline, 1.1));
        p.setBrush(QColor(196, 150, 70));
        const QPainterPath back = kit::outline({{1.5, 18}, {1.5, 5}, {6.5, 5}, {8, 7}, {16.5, 7},
            {16.5, 18}});
        p.drawPath(back);
        p.setBrush(QColor(240, 200, 110));
        const QPainterPath front = kit::outline({{1.5, 18}, {4.5, 10}, {19.5, 10}, {16.5, 18}});
        p.drawPath(front);
        const QPainterPath arrow = kit::outline({{11, 1}, {15.5, 5.5}, {12.8, 5.5}, {12.8, 9},
            {9.2, 9}, {9.2, 5.5}, {6.5, 5.5}});
        p.setBrush(QColor(90, 180, 80));
        p.drawPath(arrow);
    });
}

QImage storeGlyph() {
    return paintGlyph(20, 20, [](QPainter &p) {
        // a disk
        p.setPen(QPen(InkOutline, 1.1));
        p.setBrush(QColor(56, 82, 150));
        const QPainterPath body = kit::outline({{2, 2}, {16, 2}, {18, 4}, {18, 18}, {2, 18}});
        p.drawPath(body);
        p.setBrush(QColor(196, 200, 210));
        p.drawRect(QRectF(5.5, 2, 9, 5.5));
        p.setBrush(QColor(56, 82, 150));
        p.setPen(Qt::NoPen);
        p.drawRect(QRectF(11, 3, 2, 3.5));
        p.setPen(QPen(InkOutline, 0.9));
        p.setBrush(QColor(250, 244, 226));
        p.drawRect(QRectF(4.5, 10, 11, 8));
        p.setPen(QPen(QColor(150, 130, 110), 0.7));
        p.drawLine(QPointF(6, 12.5), QPointF(14, 12.5));
        p.drawLine(QPointF(6, 15), QPointF(14, 15));
    });
}

QImage soundGlyph() {
    return paintGlyph(20, 20, [](QPainter &p) {
        // a loudspeaker with its sound waves
        const QPainterPath cone = kit::outline({{1.5, 7}, {5.5, 7}, {10.5, 2.5}, {10.5, 17.5},
            {5.5, 13}, {1.5, 13}});
        QLinearGradient g(0, 2, 0, 18);
        g.setColorAt(0, QColor(236, 196, 90));
        g.setColorAt(1, QColor(160, 104, 30));
        p.setPen(QPen(InkOutline, 1.1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.setBrush(g);
        p.drawPath(cone);
        p.setBrush(Qt::NoBrush);
        for (int i = 0; i < 2; ++i) {
            const double r = 3.5 + 3.5 * i;
            const QRectF arc(10.5 - r, 10 - r, 2 * r, 2 * r);
            p.setPen(QPen(InkOutline, 2.6, Qt::SolidLine, Qt::RoundCap));
            p.drawArc(arc, -50 * 16, 100 * 16);
            p.setPen(QPen(QColor(250, 230, 170), 1.2, Qt::SolidLine, Qt::RoundCap));
            p.drawArc(arc, -50 * 16, 100 * 16);
        }
    });
}

QImage storyGlyph() {
    return paintGlyph(20, 20, [](QPainter &p) {
        // a scroll with a red seal
        p.setPen(QPen(InkOutline, 1.0));
        p.setBrush(QColor(244, 228, 188));
        p.drawRect(QRectF(4, 3.5, 12, 13));
        p.setBrush(QColor(214, 184, 128));
        p.drawRoundedRect(QRectF(2.5, 1, 15, 3.5), 1.7, 1.7);
        p.drawRoundedRect(QRectF(2.5, 15.5, 15, 3.5), 1.7, 1.7);
        p.setPen(QPen(QColor(120, 96, 70), 0.8));
        for (double y = 6.5; y < 14; y += 2)
            p.drawLine(QPointF(6, y), QPointF(14, y));
        p.setPen(QPen(QColor(90, 10, 10), 0.8));
        p.setBrush(QColor(196, 32, 32));
        p.drawEllipse(QPointF(13.5, 14.2), 2.2, 2.2);
    });
}

QImage helpGlyph() {
    return paintGlyph(20, 20, [](QPainter &p) {
        // the booklet of help pages: a closed book with a bookmark
        p.setPen(QPen(InkOutline, 1.1));
        p.setBrush(QColor(250, 242, 220));
        p.drawRect(QRectF(5, 3.5, 12.5, 15));
        QLinearGradient cover(3, 0, 16, 0);
        cover.setColorAt(0, QColor(60, 100, 170));
        cover.setColorAt(1, QColor(36, 64, 124));
        p.setBrush(cover);
        p.drawRoundedRect(QRectF(2.5, 1.5, 12.5, 15.5), 1.2, 1.2);
        p.setPen(QPen(QColor(240, 200, 90), 0.9));
        p.drawRect(QRectF(5, 4, 7.5, 4));
        p.setPen(QPen(InkOutline, 0.8));
        p.setBrush(QColor(200, 30, 30));
        const QPainterPath mark = kit::outline({{10.5, 16.5}, {13, 16.5}, {13, 19.5}, {11.75, 18.3},
            {10.5, 19.5}});
        p.drawPath(mark);
    });
}

QImage exitGlyph() {
    return paintGlyph(20, 20, [](QPainter &p) {
        // out through the door
        p.save();
        p.translate(-2.5, 0);
        designDoor(p);
        p.restore();
        const QPainterPath a = kit::outline({{10, 9}, {14, 9}, {14, 5.5}, {19.5, 11}, {14, 16.5},
            {14, 13}, {10, 13}});
        p.setPen(QPen(InkOutline, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.setBrush(QColor(214, 50, 40));
        p.drawPath(a);
    });
}

QImage rulesGlyph() {
    return paintGlyph(20, 20, [](QPainter &p) { designCircleLetter(p, "?", QColor(170, 110, 30)); });
}

QImage infoGlyph() {
    return paintGlyph(20, 20, [](QPainter &p) { designCircleLetter(p, "i", QColor(40, 84, 170)); });
}

QImage fennickGlyph() {
    return paintGlyph(26, 20, [](QPainter &p) {
        // the maker's fennec fox: a face with great ears
        p.setPen(QPen(InkOutline, 1.0));
        QLinearGradient fur(0, 2, 0, 19);
        fur.setColorAt(0, QColor(246, 188, 100));
        fur.setColorAt(1, QColor(212, 130, 50));
        p.setBrush(fur);
        QPainterPath earL, earR;
        earL.moveTo(4.5, 10);
        earL.lineTo(2, 0.8);
        earL.lineTo(10.5, 6.5);
        earL.closeSubpath();
        earR.moveTo(21.5, 10);
        earR.lineTo(24, 0.8);
        earR.lineTo(15.5, 6.5);
        earR.closeSubpath();
        p.drawPath(earL);
        p.drawPath(earR);
        p.setBrush(QColor(250, 200, 190));
        p.setPen(Qt::NoPen);
        QPainterPath innerL, innerR;
        innerL.moveTo(5.5, 8.5);
        innerL.lineTo(3.8, 3);
        innerL.lineTo(8.8, 6.6);
        innerL.closeSubpath();
        innerR.moveTo(20.5, 8.5);
        innerR.lineTo(22.2, 3);
        innerR.lineTo(17.2, 6.6);
        innerR.closeSubpath();
        p.drawPath(innerL);
        p.drawPath(innerR);
        QPainterPath face;
        face.moveTo(4, 9);
        face.quadTo(13, 3.5, 22, 9);
        face.quadTo(21, 14, 13, 19.3);
        face.quadTo(5, 14, 4, 9);
        face.closeSubpath();
        p.setPen(QPen(InkOutline, 1.0));
        p.setBrush(fur);
        p.drawPath(face);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 244, 226));
        QPainterPath muzzle;
        muzzle.moveTo(8, 12);
        muzzle.quadTo(13, 10.5, 18, 12);
        muzzle.quadTo(16, 16.5, 13, 18.6);
        muzzle.quadTo(10, 16.5, 8, 12);
        p.drawPath(muzzle);
        p.setBrush(InkOutline);
        p.drawEllipse(QPointF(9.6, 10.3), 1.1, 1.3);
        p.drawEllipse(QPointF(16.4, 10.3), 1.1, 1.3);
        p.drawEllipse(QPointF(13, 17.4), 1.3, 1.0);
    }, 26, 20);
}

}  // namespace art
