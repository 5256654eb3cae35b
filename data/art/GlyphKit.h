// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Drawing the small button pictures: each is designed on a 20 x 20 grid and
// scaled to its button, on a transparent background with a dark outline so it
// reads on any button face.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <functional>

namespace art {

const QColor InkOutline(36, 22, 12);

// A transparent image of w x h with a painter scaled so the design box is 20 x 20.
// Under a glyph scale of 2 the image is 2w x 2h: the same design drawn
// afresh for screens of twice the density.
QImage paintGlyph(int w, int h, const std::function<void(QPainter &)> &design, double designW = 20,
                  double designH = 20);
void setGlyphScale(int scale);  // 1 unless set

void designDoor(QPainter &p);        // arched wooden door
void designOpenBook(QPainter &p);    // open book
void designCrown(QPainter &p);       // the king's crown
void designArrow(QPainter &p, int direction);  // 0 right, 2 left
void designCheck(QPainter &p);       // gold tick
void designCircleLetter(QPainter &p, const QString &letter, QColor fill);

}  // namespace art
