// SPDX-License-Identifier: GPL-3.0-or-later
#include "GlyphKit.h"

#include "SceneKit.h"
#include "data/kit/Outline.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>

namespace art {

namespace {
int glyphScale = 1;
}  // namespace

void setGlyphScale(int scale) { glyphScale = scale; }

QImage paintGlyph(int w, int h, const std::function<void(QPainter &)> &design, double designW, double designH) {
    w *= glyphScale;
    h *= glyphScale;
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(w / designW, h / designH);
    design(p);
    return img;
}

void designDoor(QPainter &p) {
    QPainterPath frame;
    frame.moveTo(3, 19.5);
    frame.lineTo(3, 8);
    frame.arcTo(QRectF(3, 1, 14, 14), 180, -180);
    frame.lineTo(17, 19.5);
    frame.closeSubpath();
    p.setPen(QPen(InkOutline, 1.2));
    p.setBrush(QColor(150, 136, 116));
    p.drawPath(frame);
    QPainterPath leaf;
    leaf.moveTo(5.5, 19.5);
    leaf.lineTo(5.5, 8.5);
    leaf.arcTo(QRectF(5.5, 3.5, 9, 10), 180, -180);
    leaf.lineTo(14.5, 19.5);
    leaf.closeSubpath();
    QLinearGradient wood(5, 0, 15, 0);
    wood.setColorAt(0, QColor(150, 92, 44));
    wood.setColorAt(1, QColor(104, 60, 26));
    p.setBrush(wood);
    p.setPen(QPen(InkOutline, 0.9));
    p.drawPath(leaf);
    p.setPen(QPen(QColor(70, 40, 18), 0.7));
    p.drawLine(QPointF(8.5, 5), QPointF(8.5, 19.5));
    p.drawLine(QPointF(11.5, 5), QPointF(11.5, 19.5));
    p.setPen(QPen(QColor(50, 50, 56), 1.1));
    p.drawLine(QPointF(5.8, 9.5), QPointF(14.2, 9.5));
    p.drawLine(QPointF(5.8, 15.5), QPointF(14.2, 15.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 200, 90));
    p.drawEllipse(QPointF(12.8, 12.6), 1.0, 1.0);
}

void designOpenBook(QPainter &p) {
    p.setPen(QPen(InkOutline, 1.1));
    p.setBrush(QColor(130, 30, 30));
    const QPainterPath cover = kit::outline({{1, 5}, {10, 6.5}, {19, 5}, {19, 17}, {10, 18.5}, {1, 17}});
    p.drawPath(cover);
    p.setBrush(QColor(250, 240, 214));
    QPainterPath left, right;
    left.moveTo(2.5, 3.5);
    left.quadTo(6.5, 3, 10, 5.5);
    left.lineTo(10, 17);
    left.quadTo(6.5, 15, 2.5, 15.5);
    left.closeSubpath();
    right.moveTo(17.5, 3.5);
    right.quadTo(13.5, 3, 10, 5.5);
    right.lineTo(10, 17);
    right.quadTo(13.5, 15, 17.5, 15.5);
    right.closeSubpath();
    p.setPen(QPen(InkOutline, 0.9));
    p.drawPath(left);
    p.drawPath(right);
    p.setPen(QPen(QColor(120, 100, 80), 0.7));
    for (double y = 7; y < 14; y += 2) {
        p.drawLine(QPointF(4, y), QPointF(8.5, y + 0.6));
        p.drawLine(QPointF(11.5, y + 0.6), QPointF(16, y));
    }
}

void designCrown(QPainter &p) { paintCrown(p, QRectF(1.5, 3, 17, 14)); }

void designArrow(QPainter &p, int direction) {
    const QPainterPath a = kit::outline({{2, 7.5}, {10, 7.5}, {10, 3}, {18.5, 10}, {10, 17},
        {10, 12.5}, {2, 12.5}});
    if (direction == 2) {
        p.translate(20, 0);
        p.scale(-1, 1);
    }
    QLinearGradient gold(0, 3, 0, 17);
    gold.setColorAt(0, QColor(255, 232, 140));
    gold.setColorAt(0.5, QColor(232, 176, 52));
    gold.setColorAt(1, QColor(168, 108, 26));
    p.setPen(QPen(InkOutline, 1.2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(gold);
    p.drawPath(a);
}

void designCheck(QPainter &p) {
    const QPainterPath t = kit::outline({{2, 10.5}, {5, 7.5}, {8.5, 11}, {16, 2.5}, {19, 5.5},
        {8.5, 17.5}});
    QLinearGradient g(0, 2, 0, 18);
    g.setColorAt(0, QColor(150, 230, 110));
    g.setColorAt(1, QColor(40, 130, 40));
    p.setPen(QPen(InkOutline, 1.2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(g);
    p.drawPath(t);
}

void designCircleLetter(QPainter &p, const QString &letter, QColor fill) {
    QRadialGradient g(QPointF(8, 7), 11);
    g.setColorAt(0, fill.lighter(150));
    g.setColorAt(1, fill);
    p.setPen(QPen(InkOutline, 1.2));
    p.setBrush(g);
    p.drawEllipse(QPointF(10, 10), 8.6, 8.6);
    QFont f("Liberation Serif");
    f.setPixelSize(15);
    f.setBold(true);
    QPainterPath text;
    text.addText(0, 0, f, letter);
    text.translate(QPointF(10, 10) - text.boundingRect().center());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 250, 236));
    p.drawPath(text);
}

}  // namespace art
