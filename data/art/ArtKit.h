#pragma once
// Small drawing helpers shared by every picture of the game: repeatable noise,
// colour arithmetic, stone masonry and saving in the formats the game reads.
#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QRect>
#include <QString>
#include <cstdint>
#include <initializer_list>

namespace art {

// Repeatable pseudo-random value for a lattice point; no state, no clock.
std::uint32_t hash3(int x, int y, int seed);
// The same as a number in [0, 1).
double noise01(int x, int y, int seed);
// Smooth value noise in [0, 1) with the given cell size.
double smoothNoise(double x, double y, int cell, int seed);

// A closed outline through the given corners, in order.
QPainterPath outline(std::initializer_list<QPointF> corners);

QColor shade(const QColor &c, double factor);           // darker < 1 < lighter
QColor mix(const QColor &a, const QColor &b, double t);  // t = 0 gives a
QColor jitter(const QColor &c, int amount, std::uint32_t h);

// Running-bond masonry seen from above or from the front: blocks of
// blockW x blockH with mortar joints, every other course shifted by half a
// block. The pattern is anchored at `origin`, so pictures that are cut into
// tiles of a size divisible by the block size join without seams.
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

// Darkens the picture towards the edges and corners (a vignette).
void vignette(QImage &img, const QRect &area, double strength);

// Saves as a 24-bit Windows bitmap; false on failure.
bool saveBmp(const QImage &img, const QString &path);
bool savePng(const QImage &img, const QString &path);

}  // namespace art
