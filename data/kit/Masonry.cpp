// SPDX-License-Identifier: GPL-3.0-or-later
#include "Masonry.h"

#include "Colour.h"
#include "Hash.h"

namespace kit {

namespace {
int floorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }
}  // namespace

void paintMasonry(QImage &img, const QRect &area, const Masonry &m, QPoint origin) {
    const QRect r = area.intersected(img.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        const int ly = y - origin.y();
        const int course = floorDiv(ly, m.blockH);
        const int by = ly - course * m.blockH;
        const int shift = (course & 1) ? m.blockW / 2 : 0;
        for (int x = r.left(); x <= r.right(); ++x) {
            const int lx = x - origin.x() - shift;
            int block = floorDiv(lx, m.blockW);
            const int bx = lx - block * m.blockW;
            if (m.periodX > 0) {
                const int n = m.periodX / m.blockW;
                block = ((block % n) + n) % n;
            }
            QColor c;
            if (bx == 0 || by == 0) {
                c = jitter(m.mortar, 3, spreadHash(x, y, m.seed + 7));
            } else {
                c = jitter(m.stone, m.variation, spreadHash(block, course, m.seed));
                if (bx == 1 || by == 1)
                    c = shade(c, 1.18);
                else if (bx == m.blockW - 1 || by == m.blockH - 1)
                    c = shade(c, 0.80);
                const int px = m.periodX > 0 ? ((x - origin.x()) % m.periodX + m.periodX) % m.periodX : x;
                c = jitter(c, m.grain, spreadHash(px, y, m.seed + 13));
            }
            img.setPixelColor(x, y, c);
        }
    }
}

}  // namespace kit
