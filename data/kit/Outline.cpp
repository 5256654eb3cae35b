// SPDX-License-Identifier: GPL-3.0-or-later
#include "Outline.h"

namespace kit {

QPainterPath outline(std::initializer_list<QPointF> corners) {
    QPainterPath path;
    bool first = true;
    for (const QPointF &corner : corners) {
        if (first) {
            path.moveTo(corner);
            first = false;
        } else {
            path.lineTo(corner);
        }
    }
    path.closeSubpath();
    return path;
}

}  // namespace kit
