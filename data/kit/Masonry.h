// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Running-bond masonry seen from above or from the front: blocks of
// blockW x blockH with mortar joints, every other course shifted by half a
// block. The pattern is anchored at `origin`, so pictures that are cut into
// tiles of a size divisible by the block size join without seams.
#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>

namespace kit {

struct Masonry {
    int blockW = 18;
    int blockH = 9;
    QColor stone{96, 84, 72};
    QColor mortar{44, 37, 31};
    int variation = 14;  // per-block colour spread
    int grain = 5;       // per-pixel spread
    int seed = 1;
    int periodX = 0;     // > 0: block colours repeat with this period
};

void paintMasonry(QImage &img, const QRect &area, const Masonry &m, QPoint origin = {0, 0});

}  // namespace kit
