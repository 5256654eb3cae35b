// SPDX-License-Identifier: GPL-3.0-or-later
// b0.bmp: the splash shown at start-up: the game's title over the palace
// cellar, an archway lit by two torches, the king's crown and a chequered floor.
#include "SceneKit.h"
#include "ScenePictures.h"
#include "data/kit/Masonry.h"
#include "data/kit/Vignette.h"

#include <QPainterPath>
#include <QRadialGradient>

namespace art {

QImage splashPicture() {
    const int w = 200, h = 150;
    QImage img(w, h, QImage::Format_RGB32);
    kit::Masonry wall;
    wall.blockW = 20;
    wall.blockH = 10;
    wall.stone = QColor(70, 58, 50);
    wall.mortar = QColor(28, 22, 18);
    wall.seed = 81;
    kit::paintMasonry(img, img.rect(), wall);
    paintChessFloor(img, QRect(0, 112, w, h - 112), 96, w / 2.0, 8, QColor(200, 170, 120), QColor(70, 44, 28));
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        // the archway into the dark
        QPainterPath arch;
        arch.moveTo(62, 112);
        arch.lineTo(62, 52);
        arch.arcTo(QRectF(62, 22, 76, 60), 180, -180);
        arch.lineTo(138, 112);
        arch.closeSubpath();
        p.setPen(QPen(QColor(120, 104, 88), 5));
        p.setBrush(QColor(14, 9, 7));
        p.drawPath(arch);
        p.setPen(QPen(QColor(36, 28, 22), 1));
        p.setBrush(Qt::NoBrush);
        p.drawPath(arch);
    }
    addLight(img, QPointF(28, 52), 60, 0.55);
    addLight(img, QPointF(172, 52), 60, 0.55);
    kit::vignette(img, img.rect(), 0.55);
    QPainter p(&img);
    paintTorch(p, 28, 56, 1.2);
    paintTorch(p, 172, 56, 1.2);
    paintCrown(p, QRectF(82, 30, 36, 26));
    paintGoldTitle(p, QRectF(0, 62, w, 40), "Tarnwick", 38);
    return img;
}

}  // namespace art
