#include "ArtKit.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace art {

std::uint32_t hash3(int x, int y, int seed) {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 0x8da6b343u;
    h ^= static_cast<std::uint32_t>(y) * 0xd8163841u;
    h ^= static_cast<std::uint32_t>(seed) * 0xcb1ab31fu;
    h ^= h >> 15;
    h *= 0x2c1b3c6du;
    h ^= h >> 12;
    h *= 0x297a2d39u;
    h ^= h >> 15;
    return h;
}

double noise01(int x, int y, int seed) {
    return (hash3(x, y, seed) & 0xffffffu) / double(0x1000000);
}

double smoothNoise(double x, double y, int cell, int seed) {
    const double fx = x / cell, fy = y / cell;
    const int ix = int(std::floor(fx)), iy = int(std::floor(fy));
    const double tx = fx - ix, ty = fy - iy;
    const double sx = tx * tx * (3 - 2 * tx), sy = ty * ty * (3 - 2 * ty);
    const double a = noise01(ix, iy, seed), b = noise01(ix + 1, iy, seed);
    const double c = noise01(ix, iy + 1, seed), d = noise01(ix + 1, iy + 1, seed);
    return (a + (b - a) * sx) * (1 - sy) + (c + (d - c) * sx) * sy;
}

static int clamp255(double v) { return std::clamp(int(std::lround(v)), 0, 255); }

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

QColor shade(const QColor &c, double factor) {
    return QColor(clamp255(c.red() * factor), clamp255(c.green() * factor), clamp255(c.blue() * factor));
}

QColor mix(const QColor &a, const QColor &b, double t) {
    return QColor(clamp255(a.red() + (b.red() - a.red()) * t), clamp255(a.green() + (b.green() - a.green()) * t),
                  clamp255(a.blue() + (b.blue() - a.blue()) * t), clamp255(a.alpha() + (b.alpha() - a.alpha()) * t));
}

QColor jitter(const QColor &c, int amount, std::uint32_t h) {
    if (amount <= 0)
        return c;
    const int d = int(h % std::uint32_t(2 * amount + 1)) - amount;
    return QColor(clamp255(c.red() + d), clamp255(c.green() + d * 0.9), clamp255(c.blue() + d * 0.8));
}

static int floorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

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
                c = jitter(m.mortar, 3, hash3(x, y, m.seed + 7));
            } else {
                c = jitter(m.stone, m.variation, hash3(block, course, m.seed));
                if (bx == 1 || by == 1)
                    c = shade(c, 1.18);
                else if (bx == m.blockW - 1 || by == m.blockH - 1)
                    c = shade(c, 0.80);
                const int px = m.periodX > 0 ? ((x - origin.x()) % m.periodX + m.periodX) % m.periodX : x;
                c = jitter(c, m.grain, hash3(px, y, m.seed + 13));
            }
            img.setPixelColor(x, y, c);
        }
    }
}

void vignette(QImage &img, const QRect &area, double strength) {
    const QRect r = area.intersected(img.rect());
    const double cx = r.center().x(), cy = r.center().y();
    const double rx = r.width() / 2.0, ry = r.height() / 2.0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const double dx = (x - cx) / rx, dy = (y - cy) / ry;
            const double d = std::min(1.0, std::sqrt(dx * dx + dy * dy) / 1.414);
            img.setPixelColor(x, y, shade(img.pixelColor(x, y), 1.0 - strength * d * d));
        }
}

bool saveBmp(const QImage &img, const QString &path) {
    return img.convertToFormat(QImage::Format_RGB888).save(path, "BMP");
}

bool savePng(const QImage &img, const QString &path) {
    return img.save(path, "PNG");
}

}  // namespace art
