// SPDX-License-Identifier: GPL-3.0-or-later
// b7.bmp: the king's hall at night: a chequered marble floor, a red carpet
// leading to the empty throne under the crown, pillars with torches and
// banners. The story and help texts cover most of it, so it is kept low-key.
#include "SceneKit.h"
#include "ScenePictures.h"
#include "data/kit/Masonry.h"
#include "data/kit/Outline.h"
#include "data/kit/Vignette.h"

#include <QLinearGradient>
#include <QPainterPath>

namespace art {
namespace {

constexpr int W = 400, H = 300;
constexpr double HorizonY = 120, FloorTop = 158;

void paintPillar(QPainter &p, double x, double w) {
    QLinearGradient g(x, 0, x + w, 0);
    g.setColorAt(0, QColor(36, 30, 26));
    g.setColorAt(0.35, QColor(96, 84, 72));
    g.setColorAt(1, QColor(30, 24, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRect(QRectF(x, 0, w, H));
    p.setBrush(QColor(60, 52, 46));
    p.drawRect(QRectF(x - 5, 250, w + 10, 14));
    p.drawRect(QRectF(x - 5, 10, w + 10, 12));
}

void paintBanner(QPainter &p, double x) {
    const QPainterPath b = kit::outline({{x, 18}, {x + 34, 18}, {x + 34, 112}, {x + 17, 100}, {x, 112}});
    QLinearGradient g(x, 0, x + 34, 0);
    g.setColorAt(0, QColor(70, 10, 16));
    g.setColorAt(0.5, QColor(120, 22, 30));
    g.setColorAt(1, QColor(60, 8, 14));
    p.setPen(QPen(QColor(130, 96, 40), 1.2));
    p.setBrush(g);
    p.drawPath(b);
    p.setPen(QPen(QColor(60, 44, 20), 2));
    p.drawLine(QPointF(x - 4, 18), QPointF(x + 38, 18));
    p.setOpacity(0.7);
    paintCrown(p, QRectF(x + 7, 44, 20, 15));
    p.setOpacity(1);
}

void paintThrone(QPainter &p) {
    // dais
    p.setPen(QPen(QColor(20, 16, 14), 1));
    p.setBrush(QColor(70, 62, 56));
    p.drawRect(QRectF(150, 150, 100, 10));
    p.setBrush(QColor(84, 74, 66));
    p.drawRect(QRectF(162, 142, 76, 9));
    // throne: a tall back with a gilded frame and a red cushion
    QPainterPath back;
    back.moveTo(178, 142);
    back.lineTo(178, 76);
    back.quadTo(200, 56, 222, 76);
    back.lineTo(222, 142);
    back.closeSubpath();
    QLinearGradient gold(178, 0, 222, 0);
    gold.setColorAt(0, QColor(110, 76, 24));
    gold.setColorAt(0.5, QColor(196, 150, 60));
    gold.setColorAt(1, QColor(100, 68, 20));
    p.setBrush(gold);
    p.setPen(QPen(QColor(40, 26, 8), 1.2));
    p.drawPath(back);
    QPainterPath cushion;
    cushion.moveTo(184, 130);
    cushion.lineTo(184, 80);
    cushion.quadTo(200, 66, 216, 80);
    cushion.lineTo(216, 130);
    cushion.closeSubpath();
    p.setBrush(QColor(110, 20, 28));
    p.drawPath(cushion);
    p.setBrush(gold);
    p.drawRect(QRectF(172, 124, 56, 8));  // seat
    p.drawRect(QRectF(172, 112, 6, 30));  // arms
    p.drawRect(QRectF(222, 112, 6, 30));
}

}  // namespace

QImage courtScene() {
    QImage img(W, H, QImage::Format_RGB32);
    kit::Masonry wall;
    wall.blockW = 30;
    wall.blockH = 15;
    wall.stone = QColor(58, 50, 46);
    wall.mortar = QColor(22, 18, 16);
    wall.variation = 8;
    wall.seed = 151;
    kit::paintMasonry(img, QRect(0, 0, W, int(FloorTop)), wall);
    paintChessFloor(img, QRect(0, int(FloorTop), W, H - int(FloorTop)), HorizonY, W / 2.0, 10, QColor(88, 80, 72),
                    QColor(28, 23, 21));
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        // red carpet to the throne
        const QPainterPath carpet = kit::outline({{176, FloorTop}, {224, FloorTop}, {268, H}, {132, H}});
        QLinearGradient red(0, FloorTop, 0, H);
        red.setColorAt(0, QColor(70, 12, 18));
        red.setColorAt(1, QColor(120, 22, 30));
        p.setPen(QPen(QColor(140, 104, 40), 1.5));
        p.setBrush(red);
        p.drawPath(carpet);
        paintThrone(p);
        paintCrown(p, QRectF(184, 22, 32, 24));
        paintBanner(p, 92);
        paintBanner(p, 274);
        paintPillar(p, 24, 34);
        paintPillar(p, 342, 34);
    }
    addLight(img, QPointF(41, 112), 90, 0.35);
    addLight(img, QPointF(359, 112), 90, 0.35);
    addLight(img, QPointF(200, 100), 70, 0.12);
    kit::vignette(img, img.rect(), 0.7);
    QPainter p(&img);
    paintTorch(p, 41, 116, 1.3);
    paintTorch(p, 359, 116, 1.3);
    return img;
}

}  // namespace art
