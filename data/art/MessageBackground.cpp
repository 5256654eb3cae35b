// SPDX-License-Identifier: GPL-3.0-or-later
// b6.bmp: the background of the message and question windows, a sheet of
// parchment in a dark wooden frame. Black 16-pixel text sits on it at
// (24, 20, 201 x 93); the question's buttons at y 88..113.
#include "ScenePictures.h"
#include "data/kit/Colour.h"
#include "data/kit/Hash.h"
#include "data/kit/ValueNoise.h"

#include <QPainter>
#include <cmath>

namespace art {

QImage messageBackground() {
    const int w = 250, h = 125;
    QImage img(w, h, QImage::Format_RGB32);
    // parchment: warm, fibrous, darker and foxed towards the edges
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const double fibre =
                kit::smoothSpreadNoise(x * 0.35, y * 3.0, 6, 61) * 0.5 + kit::smoothSpreadNoise(x, y, 18, 62) * 0.5;
            QColor c = kit::mix(QColor(226, 208, 166), QColor(246, 234, 204), fibre);
            const double ex = std::min(x, w - 1 - x) / 40.0, ey = std::min(y, h - 1 - y) / 30.0;
            const double edge = std::max(0.0, 1.0 - std::min(1.0, std::min(ex, ey)));
            c = kit::mix(c, QColor(176, 136, 84), edge * edge * 0.8);
            c = kit::jitter(c, 3, kit::spreadHash(x, y, 63));
            img.setPixelColor(x, y, c);
        }
    QPainter p(&img);
    // dark wooden frame
    for (int i = 0; i < 5; ++i) {
        const QColor wood = i == 0 ? QColor(24, 14, 8) : (i == 4 ? QColor(60, 36, 18) : QColor(96, 58, 30));
        p.setPen(wood);
        p.drawRect(i, i, w - 1 - 2 * i, h - 1 - 2 * i);
    }
    p.setPen(QColor(150, 104, 52));
    p.drawRect(2, 2, w - 5, h - 5);
    // inked double rule with small corner ornaments
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(124, 84, 44), 1));
    p.drawRect(QRectF(9.5, 9.5, w - 19, h - 19));
    p.setPen(QPen(QColor(124, 84, 44), 0.8));
    p.drawRect(QRectF(12.5, 12.5, w - 25, h - 25));
    p.setBrush(QColor(150, 96, 40));
    p.setPen(QPen(QColor(96, 60, 26), 0.8));
    for (const QPointF c : {QPointF(11, 11), QPointF(w - 11, 11), QPointF(11, h - 11), QPointF(w - 11, h - 11)}) {
        QPolygonF diamond({c + QPointF(0, -4), c + QPointF(4, 0), c + QPointF(0, 4), c + QPointF(-4, 0)});
        p.drawPolygon(diamond);
    }
    return img;
}

}  // namespace art
