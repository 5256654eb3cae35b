// SPDX-License-Identifier: GPL-3.0-or-later
// b3.bmp: the table in the old throne room, seen from above: a deep red
// velvet cloth with a gold-embroidered border and the king's crown worked
// into it, on dark oak, lit by candles at the corners. The chess-board pieces
// lie on it in 20 x 20 squares, and story and help texts are written over it.
#include "SceneKit.h"
#include "ScenePictures.h"
#include "data/kit/Colour.h"
#include "data/kit/Hash.h"
#include "data/kit/ValueNoise.h"
#include "data/kit/Vignette.h"

#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace art {
namespace {

constexpr int W = 400, H = 300;

void paintCandle(QPainter &p, QPointF c) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(30, 22, 10), 1));
    p.setBrush(QColor(150, 112, 44));  // brass dish
    p.drawEllipse(c, 9, 9);
    p.setBrush(QColor(236, 226, 200));  // the candle seen from above
    p.drawEllipse(c, 4.5, 4.5);
    QRadialGradient flame(c, 4);
    flame.setColorAt(0, QColor(255, 255, 230));
    flame.setColorAt(0.5, QColor(255, 210, 90));
    flame.setColorAt(1, QColor(240, 120, 30, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(flame);
    p.drawEllipse(c, 4, 4);
}

}  // namespace

QImage throneRoomPicture() {
    QImage img(W, H, QImage::Format_RGB32);
    const QRect cloth(14, 14, W - 28, H - 28);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            QColor c;
            if (cloth.contains(x, y)) {
                // velvet: soft folds and a fine pile
                const double fold =
                    kit::smoothSpreadNoise(x, y * 0.6, 40, 141) * 0.6 + kit::smoothSpreadNoise(x, y, 12, 142) * 0.4;
                c = kit::mix(QColor(70, 12, 18), QColor(112, 24, 32), fold);
                c = kit::jitter(c, 3, kit::spreadHash(x, y, 143));
            } else {
                // oak table edge with grain along its length
                const bool horizontal = y < 14 || y >= H - 14;
                const double along = horizontal ? x : y, across = horizontal ? y : x;
                const double grain = kit::smoothSpreadNoise(along * 0.08, across * 1.2, 3, 144);
                c = kit::mix(QColor(40, 24, 14), QColor(70, 44, 24), grain);
                if (std::fmod(across, 14.0) < 1 || across == 13 || across == H - 14)
                    c = QColor(22, 12, 6);
            }
            img.setPixelColor(x, y, c);
        }
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // the embroidered border
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(150, 110, 40), 1.6));
    p.drawRect(QRectF(22.5, 22.5, W - 45, H - 45));
    p.setPen(QPen(QColor(120, 86, 30), 0.9));
    p.drawRect(QRectF(26.5, 26.5, W - 53, H - 53));
    p.setPen(QPen(QColor(140, 100, 36), 1.0));
    for (int x = 40; x < W - 30; x += 16) {
        p.drawEllipse(QPointF(x, 24.5), 1.6, 1.6);
        p.drawEllipse(QPointF(x, H - 24.5), 1.6, 1.6);
    }
    for (int y = 40; y < H - 30; y += 16) {
        p.drawEllipse(QPointF(24.5, y), 1.6, 1.6);
        p.drawEllipse(QPointF(W - 24.5, y), 1.6, 1.6);
    }
    // the king's crown, worked in faded gold thread in the middle
    p.setOpacity(0.16);
    paintCrown(p, QRectF(160, 110, 80, 60));
    p.setOpacity(1.0);
    p.end();
    for (const QPointF c : {QPointF(7, 7), QPointF(W - 7, 7), QPointF(7, H - 7), QPointF(W - 7, H - 7)})
        addLight(img, c, 80, 0.35);
    kit::vignette(img, img.rect(), 0.45);
    QPainter q(&img);
    for (const QPointF c : {QPointF(7, 7), QPointF(W - 7, 7), QPointF(7, H - 7), QPointF(W - 7, H - 7)})
        paintCandle(q, c);
    return img;
}

}  // namespace art
