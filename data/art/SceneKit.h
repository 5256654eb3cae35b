// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Props shared by the scene pictures: torches, warm light pools, the crown,
// a chequered floor in perspective and the gilded title lettering.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRectF>

namespace art {

// A wall torch: iron sconce and flame, the flame's foot at (x, y).
void paintTorch(QPainter &p, double x, double y, double scale);
// Warm light around a point; strength 0..1, added to what is there.
void addLight(QImage &img, QPointF centre, double radius, double strength, QColor colour = QColor(255, 170, 80));
// The king's crown filling the rectangle (bottom edge = the crown's band).
void paintCrown(QPainter &p, const QRectF &box);
// A chequered floor seen from the front, receding to the horizon line at
// `horizonY` towards `vanishX`; the near edge is the bottom of `area`.
void paintChessFloor(QImage &img, const QRect &area, double horizonY, double vanishX, int squares,
                     QColor light, QColor dark);
// Text with a dark outline and a gold gradient fill, centred in `box`.
void paintGoldTitle(QPainter &p, const QRectF &box, const QString &text, int pixelSize);

}  // namespace art
