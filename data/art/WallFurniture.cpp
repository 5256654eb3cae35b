// SPDX-License-Identifier: GPL-3.0-or-later
#include "WallFurniture.h"

#include "data/kit/Colour.h"
#include "data/kit/Hash.h"
#include "data/kit/Outline.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

namespace art {
namespace {

constexpr int S = 54;

QImage emptyLayer() {
    QImage img(S, S, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    return img;
}

// Inside the arched door opening x 11..42, y 2..16.
bool inOpening(int x, int y) {
    if (x < 11 || x > 42 || y < 2 || y > 16)
        return false;
    if (y >= 8)
        return true;
    const double dx = (x - 26.5) / 16.0, dy = (y - 8.0) / 6.5;
    return dx * dx + dy * dy <= 1.0;
}

// The stone arch around it, x 7..46, y 0..17.
bool inFrame(int x, int y) {
    if (x < 7 || x > 46 || y < 0 || y > 17)
        return false;
    if (y >= 7)
        return true;
    const double dx = (x - 26.5) / 20.0, dy = (y - 7.0) / 7.5;
    return dx * dx + dy * dy <= 1.0;
}

// Two torches on the wall either side of the doorway, with their light on
// the stones (never on the floor: x < 13 and x > 40 only).
void paintFlankingTorches(QImage &img) {
    for (const int cx : {5, 48}) {
        const int cy = 25;
        for (int y = cy - 12; y <= cy + 12; ++y)
            for (int x = cx - 12; x <= cx + 12; ++x) {
                if (x < 0 || x >= S || (x >= 13 && x <= 40) || y < 18)
                    continue;
                const double d = std::hypot(x - cx, y - cy) / 12.0;
                if (d >= 1)
                    continue;
                img.setPixelColor(x, y, QColor(255, 160, 60, int(150 * (1 - d) * (1 - d))));
            }
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(20, 16, 14), 1));
        p.setBrush(QColor(60, 54, 50));
        p.drawEllipse(QPointF(cx, cy), 3.2, 3.2);
        QRadialGradient fire(QPointF(cx, cy - 0.5), 3);
        fire.setColorAt(0, QColor(255, 250, 210));
        fire.setColorAt(0.6, QColor(255, 190, 60));
        fire.setColorAt(1, QColor(230, 90, 20));
        p.setPen(Qt::NoPen);
        p.setBrush(fire);
        p.drawEllipse(QPointF(cx, cy - 0.5), 2.6, 2.8);
    }
}

}  // namespace

QImage doorLayer(bool open) {
    QImage img = emptyLayer();
    const QColor frameStone(158, 140, 116), frameDark(44, 34, 28);
    for (int y = 0; y < 18; ++y)
        for (int x = 0; x < S; ++x) {
            if (!inFrame(x, y))
                continue;
            const bool edge = !inFrame(x - 1, y) || !inFrame(x + 1, y) || !inFrame(x, y - 1);
            QColor c = edge ? frameDark : kit::jitter(frameStone, 8, kit::spreadHash(x / 4, y / 3, 31));
            if (!edge && (y == 1 || x == 8))
                c = kit::shade(c, 1.15);
            // joints of the arch stones
            if (!edge && !inOpening(x, y) && ((x - 7) % 8 == 0 || y == 12))
                c = kit::shade(c, 0.7);
            img.setPixelColor(x, y, c);
        }
    for (int y = 0; y < 18; ++y)
        for (int x = 0; x < S; ++x) {
            if (!inOpening(x, y))
                continue;
            const bool rim = !inOpening(x - 1, y) || !inOpening(x + 1, y) || !inOpening(x, y - 1);
            QColor c;
            if (!open) {
                const int plank = (x - 11) / 5;
                c = (plank % 2) ? QColor(112, 68, 34) : QColor(128, 80, 40);
                c = kit::jitter(c, 6, kit::spreadHash(x, y, 41));
                if ((x - 11) % 5 == 0)
                    c = QColor(62, 36, 18);
                if (y == 6 || y == 13)
                    c = ((x - 13) % 5 == 0) ? QColor(150, 150, 160) : QColor(54, 54, 60);
                if (rim)
                    c = QColor(40, 24, 14);
            } else {
                // the room beyond is lit: warm glow towards the threshold
                const double t = (y - 2) / 14.0;
                c = kit::mix(QColor(26, 14, 8), QColor(246, 178, 84), t * t);
                if (x <= 15)  // the door leaf, swung open against the jamb
                    c = (x == 15) ? QColor(58, 32, 16) : kit::jitter(QColor(112, 68, 34), 6, kit::spreadHash(x, y, 43));
                if (rim)
                    c = QColor(30, 18, 10);
            }
            img.setPixelColor(x, y, c);
        }
    if (!open) {  // iron ring handle
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(226, 186, 90), 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(36.5, 10.5), 2.2, 2.2);
    }
    // stone sill
    for (int x = 9; x <= 44; ++x) {
        img.setPixelColor(x, 16, open ? QColor(226, 190, 130) : QColor(172, 152, 124));
        img.setPixelColor(x, 17, QColor(40, 32, 26));
    }
    paintFlankingTorches(img);
    return img;
}

QImage exitStairsLayer() {
    QImage img = emptyLayer();
    for (int y = 0; y < 18; ++y)
        for (int x = 0; x < S; ++x) {
            if (!inFrame(x, y))
                continue;
            const bool edge = !inFrame(x - 1, y) || !inFrame(x + 1, y) || !inFrame(x, y - 1);
            QColor c;
            if (edge) {
                c = QColor(40, 32, 26);
            } else if (!inOpening(x, y)) {
                c = kit::jitter(QColor(158, 140, 116), 8, kit::spreadHash(x / 4, y / 3, 53));
            } else {
                // steps climbing away from the cellar into daylight
                const int step = (16 - y) / 3;
                c = kit::mix(QColor(186, 148, 100), QColor(250, 244, 214), step / 4.0);
                if (y % 3 == 0)
                    c = kit::shade(c, 0.55);
                c = kit::jitter(c, 3, kit::spreadHash(x, y, 51));
            }
            img.setPixelColor(x, y, c);
        }
    for (int x = 9; x <= 44; ++x)
        img.setPixelColor(x, 17, QColor(40, 32, 26));
    paintFlankingTorches(img);
    return img;
}

QImage arrowLayer() {
    QImage img = emptyLayer();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // bronze plaque
    p.setPen(QPen(QColor(30, 22, 16), 1.5));
    p.setBrush(QColor(78, 56, 36));
    p.drawRoundedRect(QRectF(7.5, 7.5, 39, 39), 7, 7);
    p.setPen(QPen(QColor(122, 90, 56), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(10, 10, 34, 34), 5, 5);
    // the arrow, pointing down
    const QPainterPath arrow = kit::outline({{22, 12}, {32, 12}, {32, 27}, {40, 27}, {27, 42},
        {14, 27}, {22, 27}});
    p.translate(1, 1);  // cast shadow
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 14, 10, 200));
    p.drawPath(arrow);
    p.translate(-1, -1);
    QLinearGradient gold(14, 12, 40, 42);
    gold.setColorAt(0.0, QColor(255, 236, 150));
    gold.setColorAt(0.5, QColor(236, 184, 64));
    gold.setColorAt(1.0, QColor(176, 118, 30));
    p.setBrush(gold);
    p.setPen(QPen(QColor(96, 60, 16), 1.2));
    p.drawPath(arrow);
    return img;
}

QImage cornerBrazierLayer() {
    QImage img = emptyLayer();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(27, 27);
    // tower top: a ring of dressed stones
    p.setPen(QPen(QColor(30, 24, 20), 1.5));
    p.setBrush(QColor(104, 92, 80));
    p.drawEllipse(c, 23, 23);
    p.setPen(QPen(QColor(44, 36, 30), 1));
    for (int i = 0; i < 12; ++i) {
        const double a = i * std::numbers::pi / 6;
        p.drawLine(c + QPointF(std::cos(a) * 13, std::sin(a) * 13), c + QPointF(std::cos(a) * 22.5, std::sin(a) * 22.5));
    }
    p.setBrush(QColor(86, 76, 66));
    p.drawEllipse(c, 13, 13);
    // warm light on the stones around the fire
    QRadialGradient glow(c, 24);
    glow.setColorAt(0.0, QColor(255, 170, 60, 150));
    glow.setColorAt(0.6, QColor(255, 130, 40, 50));
    glow.setColorAt(1.0, QColor(255, 120, 40, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(c, 23, 23);
    // iron fire bowl
    p.setPen(QPen(QColor(20, 18, 18), 1.5));
    p.setBrush(QColor(58, 52, 50));
    p.drawEllipse(c, 9.5, 9.5);
    // the fire
    QRadialGradient fire(c, 8);
    fire.setColorAt(0.0, QColor(255, 252, 210));
    fire.setColorAt(0.35, QColor(255, 210, 80));
    fire.setColorAt(0.75, QColor(238, 110, 24));
    fire.setColorAt(1.0, QColor(150, 40, 10));
    p.setPen(Qt::NoPen);
    p.setBrush(fire);
    QPainterPath flame;
    for (int i = 0; i < 16; ++i) {
        const double a = i * std::numbers::pi / 8;
        const double r = (i % 2) ? 4.5 : 8.0;
        const QPointF pt = c + QPointF(std::cos(a) * r, std::sin(a) * r);
        if (i == 0)
            flame.moveTo(pt);
        else
            flame.lineTo(pt);
    }
    flame.closeSubpath();
    p.drawPath(flame);
    return img;
}

QImage quarterTurns(const QImage &img, int turns) {
    QImage out = img;
    for (int t = 0; t < ((turns % 4) + 4) % 4; ++t) {
        QImage r(out.height(), out.width(), out.format());
        for (int y = 0; y < out.height(); ++y)
            for (int x = 0; x < out.width(); ++x)
                r.setPixel(out.height() - 1 - y, x, out.pixel(x, y));
        out = r;
    }
    return out;
}

}  // namespace art
