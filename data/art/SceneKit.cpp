// SPDX-License-Identifier: GPL-3.0-or-later
#include "SceneKit.h"

#include "data/kit/Colour.h"
#include "data/kit/Hash.h"
#include "data/kit/Outline.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace art {

void paintTorch(QPainter &p, double x, double y, double s) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // sconce: a bracket and a cup
    p.setPen(QPen(QColor(20, 16, 14), 1.0 * s));
    p.setBrush(QColor(54, 48, 46));
    p.drawRect(QRectF(x - 1.5 * s, y + 4 * s, 3 * s, 12 * s));
    const QPainterPath cup = kit::outline({{x - 5 * s, y}, {x + 5 * s, y}, {x + 3 * s, y + 5 * s},
        {x - 3 * s, y + 5 * s}});
    p.drawPath(cup);
    // flame
    QPainterPath flame;
    flame.moveTo(x - 4.5 * s, y);
    flame.cubicTo(x - 5 * s, y - 6 * s, x - 1 * s, y - 9 * s, x + 0.5 * s, y - 15 * s);
    flame.cubicTo(x + 2 * s, y - 9 * s, x + 5.5 * s, y - 6 * s, x + 4.5 * s, y);
    flame.closeSubpath();
    QLinearGradient g(x, y, x, y - 15 * s);
    g.setColorAt(0.0, QColor(255, 244, 190));
    g.setColorAt(0.35, QColor(255, 196, 70));
    g.setColorAt(0.8, QColor(236, 96, 22));
    g.setColorAt(1.0, QColor(180, 40, 10));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(flame);
    p.setBrush(QColor(255, 252, 226, 220));
    p.drawEllipse(QPointF(x, y - 3 * s), 1.6 * s, 2.6 * s);
    p.restore();
}

void addLight(QImage &img, QPointF centre, double radius, double strength, QColor colour) {
    const int x0 = std::max(0, int(centre.x() - radius)), x1 = std::min(img.width() - 1, int(centre.x() + radius));
    const int y0 = std::max(0, int(centre.y() - radius)), y1 = std::min(img.height() - 1, int(centre.y() + radius));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            const double d = std::hypot(x - centre.x(), y - centre.y()) / radius;
            if (d >= 1)
                continue;
            const double a = strength * (1 - d) * (1 - d);
            const QColor c = img.pixelColor(x, y);
            img.setPixelColor(x, y, QColor(std::min(255, int(c.red() + colour.red() * a)),
                                           std::min(255, int(c.green() + colour.green() * a)),
                                           std::min(255, int(c.blue() + colour.blue() * a))));
        }
}

void paintCrown(QPainter &p, const QRectF &b) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double w = b.width(), h = b.height();
    QPainterPath crown;
    crown.moveTo(b.left() + 0.08 * w, b.bottom() - 0.22 * h);
    crown.lineTo(b.left(), b.top() + 0.25 * h);
    crown.lineTo(b.left() + 0.27 * w, b.top() + 0.55 * h);
    crown.lineTo(b.left() + 0.5 * w, b.top());
    crown.lineTo(b.right() - 0.27 * w, b.top() + 0.55 * h);
    crown.lineTo(b.right(), b.top() + 0.25 * h);
    crown.lineTo(b.right() - 0.08 * w, b.bottom() - 0.22 * h);
    crown.closeSubpath();
    QLinearGradient gold(b.topLeft(), b.bottomRight());
    gold.setColorAt(0.0, QColor(255, 238, 150));
    gold.setColorAt(0.5, QColor(236, 180, 56));
    gold.setColorAt(1.0, QColor(160, 100, 24));
    const double pen = std::max(0.8, w / 40);
    p.setPen(QPen(QColor(80, 46, 10), pen));
    p.setBrush(gold);
    p.drawPath(crown);
    // the band
    p.drawRoundedRect(QRectF(b.left() + 0.06 * w, b.bottom() - 0.26 * h, 0.88 * w, 0.26 * h), pen, pen);
    // jewels
    p.setPen(QPen(QColor(60, 10, 10), pen * 0.6));
    p.setBrush(QColor(200, 24, 40));
    p.drawEllipse(QPointF(b.center().x(), b.bottom() - 0.13 * h), 0.07 * w, 0.07 * h);
    p.setBrush(QColor(40, 110, 200));
    p.drawEllipse(QPointF(b.left() + 0.25 * w, b.bottom() - 0.13 * h), 0.05 * w, 0.05 * h);
    p.drawEllipse(QPointF(b.right() - 0.25 * w, b.bottom() - 0.13 * h), 0.05 * w, 0.05 * h);
    p.setPen(QPen(QColor(80, 46, 10), pen * 0.6));
    p.setBrush(QColor(255, 240, 190));
    for (const QPointF tip : {QPointF(b.left(), b.top() + 0.25 * h), QPointF(b.left() + 0.5 * w, b.top()),
                              QPointF(b.right(), b.top() + 0.25 * h)})
        p.drawEllipse(tip, 0.055 * w, 0.055 * w);
    p.restore();
}

void paintChessFloor(QImage &img, const QRect &area, double horizonY, double vanishX, int squares, QColor light,
                     QColor dark) {
    const QRect r = area.intersected(img.rect());
    const double nearY = r.bottom() + 1;
    const double depth = 6.0;  // rows of squares visible
    for (int y = r.top(); y <= r.bottom(); ++y) {
        const double t = (y + 0.5 - horizonY) / (nearY - horizonY);  // 1 at the near edge
        if (t <= 0)
            continue;
        const double z = 1.0 / t;  // distance, 1 at the near edge
        const double row = (z - 1.0) * depth / 3.0;
        for (int x = r.left(); x <= r.right(); ++x) {
            const double u = (x + 0.5 - vanishX) * z / r.width() * squares;
            const bool isDark = (int(std::floor(u)) + int(std::floor(row))) & 1;
            QColor c = isDark ? dark : light;
            c = kit::shade(c, std::clamp(1.15 - 0.35 * (z - 1), 0.25, 1.15));
            c = kit::jitter(c, 3, kit::spreadHash(x, y, 71));
            img.setPixelColor(x, y, c);
        }
    }
}

void paintGoldTitle(QPainter &p, const QRectF &box, const QString &text, int pixelSize) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QFont f("Liberation Serif");
    f.setPixelSize(pixelSize);
    f.setBold(true);
    QPainterPath path;
    path.addText(0, 0, f, text);
    const QRectF tb = path.boundingRect();
    path.translate(box.center() - tb.center());
    QLinearGradient g(0, box.center().y() - pixelSize / 2.0, 0, box.center().y() + pixelSize / 2.0);
    g.setColorAt(0.0, QColor(255, 242, 170));
    g.setColorAt(0.5, QColor(240, 186, 60));
    g.setColorAt(1.0, QColor(170, 104, 24));
    p.setPen(QPen(QColor(30, 16, 6), pixelSize / 9.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(path);
    p.restore();
}

}  // namespace art
