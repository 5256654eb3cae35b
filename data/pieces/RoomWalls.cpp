// SPDX-License-Identifier: GPL-3.0-or-later
#include "RoomWalls.h"

#include "data/kit/Hash.h"
#include "data/kit/Rgb.h"
#include "data/kit/ValueNoise.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace art {

namespace {

struct WallPalette {
    kit::Rgb stone, mortar, beam, plaque, plaqueEdge;
    double glow;
};

WallPalette paletteFor(RoomStyle style)
{
    if (style == RoomStyle::Light)
        return {kit::rgb(148, 128, 104), kit::rgb(84, 70, 56), kit::rgb(78, 54, 34), kit::rgb(230, 216, 186),
                kit::rgb(150, 118, 74), 1.0};
    return {kit::rgb(66, 60, 58), kit::rgb(20, 18, 17), kit::rgb(44, 32, 26), kit::rgb(36, 32, 34),
            kit::rgb(150, 150, 158), 1.3};
}

// Two torches stand at the ends of the header; the wall is a little warmer
// and brighter near them.
double torchWarmth(int x)
{
    const double l = (x - 18) / 120.0, r = (x - 282) / 120.0;
    return std::exp(-l * l) + std::exp(-r * r);
}

// Ashlar courses 32 pixels high, joints staggered by half a block. The strip
// is repeated downwards, so only its own row (0..63) decides its look.
kit::Rgb wallPixel(const WallPalette &p, int x, int stripY, std::uint32_t seed)
{
    const int course = stripY / 32, inY = stripY % 32;
    const int blockW = 58;
    const int shifted = x + (course % 2 ? blockW / 2 : 7);
    const int block = shifted / blockW, inX = shifted % blockW;
    if (inY < 2 || inX < 2) {
        const double grit = kit::chainedUnit(x, stripY, seed + 5) * 10.0 - 5.0;
        return p.mortar + kit::rgb(1, 1, 1) * grit;
    }
    const double tone = 0.84 + 0.28 * kit::chainedUnit(block, course, seed);
    const double cloud = kit::fbm((x + block * 13) / 10.0, stripY / 8.0, seed + 17, 4) - 0.5;
    const double pit = kit::chainedUnit(x, stripY, seed + 9) > 0.965 ? -0.18 : 0.0;
    kit::Rgb c = p.stone * (tone + 0.30 * cloud + pit);
    if (inY == 2 || inX == 2)
        c = c * 1.12;  // chiselled edge catches the light
    else if (inY >= 30 || inX >= blockW - 1)
        c = c * 0.80;
    const double warm = torchWarmth(x);
    return kit::Rgb{c.r * (0.86 + 0.16 * warm * p.glow), c.g * (0.86 + 0.12 * warm * p.glow),
               c.b * (0.86 + 0.06 * warm * p.glow)};
}

// Warm light thrown on the wall around a flame, kept above the strip.
void paintTorchGlow(QPainter &p, double cx, double top, bool dark)
{
    p.save();
    p.setClipRect(QRectF(0, top, RoomWidth, 64));
    p.setCompositionMode(QPainter::CompositionMode_Screen);
    QRadialGradient glow(QPointF(cx, top + 12), 56);
    glow.setColorAt(0.0, QColor(255, 190, 100, 255));
    glow.setColorAt(0.25, QColor(250, 150, 70, dark ? 190 : 170));
    glow.setColorAt(0.55, QColor(220, 110, 50, dark ? 80 : 60));
    glow.setColorAt(0.9, QColor(200, 100, 40, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(cx, top + 12), 56, 56);
    p.restore();
}

void paintTorch(QPainter &p, double cx, double top)
{
    // iron back plate on the wall
    QLinearGradient plate(QPointF(cx - 5, 0), QPointF(cx + 5, 0));
    plate.setColorAt(0.0, QColor(74, 66, 62));
    plate.setColorAt(1.0, QColor(30, 26, 24));
    p.setBrush(plate);
    p.drawRoundedRect(QRectF(cx - 5, top + 40, 10, 14), 2, 2);
    p.setBrush(QColor(120, 110, 100));
    p.drawEllipse(QPointF(cx, top + 43), 1.2, 1.2);
    p.drawEllipse(QPointF(cx, top + 51), 1.2, 1.2);
    // iron wall bracket and ring
    p.setBrush(QColor(38, 32, 30));
    p.drawRect(QRectF(cx - 1.5, top + 36, 3, 10));
    // the wooden shaft, wider at the top
    QPainterPath shaft;
    shaft.moveTo(cx - 4, top + 18);
    shaft.lineTo(cx + 4, top + 18);
    shaft.lineTo(cx + 2, top + 42);
    shaft.lineTo(cx - 2, top + 42);
    shaft.closeSubpath();
    QLinearGradient wood(QPointF(cx - 4, 0), QPointF(cx + 4, 0));
    wood.setColorAt(0.0, QColor(120, 80, 44));
    wood.setColorAt(1.0, QColor(58, 36, 20));
    p.setBrush(wood);
    p.drawPath(shaft);
    p.setBrush(QColor(46, 40, 38));
    p.drawRect(QRectF(cx - 6, top + 16, 12, 5));  // iron cup
    p.drawRect(QRectF(cx - 5, top + 34, 10, 3));  // ring on the bracket

    // the flame: outer red-orange tongue, inner yellow, white heart
    auto tongue = [&](double w, double h, const QColor &c) {
        QPainterPath f;
        f.moveTo(cx, top + 16 - h);
        f.cubicTo(cx + w * 0.2, top + 16 - h * 0.55, cx + w, top + 14 - h * 0.3, cx + w * 0.7, top + 16);
        f.lineTo(cx - w * 0.7, top + 16);
        f.cubicTo(cx - w, top + 14 - h * 0.35, cx - w * 0.1, top + 16 - h * 0.6, cx, top + 16 - h);
        p.setBrush(c);
        p.drawPath(f);
    };
    tongue(7.5, 19, QColor(226, 84, 24, 230));
    tongue(5.5, 14, QColor(255, 160, 40, 240));
    tongue(3.5, 9, QColor(255, 222, 110));
    tongue(1.8, 5, QColor(255, 250, 214));
}

void paintHeader(QImage &img, int top, RoomStyle style, const WallPalette &pal)
{
    const bool dark = style == RoomStyle::Dark;
    // Oak ceiling beam along the top.
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < RoomWidth; ++x) {
            const double grain = 0.5 + 0.5 * std::sin(y * 1.3 + kit::fbm(x / 16.0, y / 2.0, 31, 3) * 5.0);
            kit::Rgb c = pal.beam * (0.85 + 0.25 * grain);
            if (y == 10)
                c = c * 0.7;
            if (y == 11)
                c = c * 0.45;
            kit::setPixel(img, x, top + y, c);
        }
    }
    // Rough wall between beam and strip, the courses continued upwards.
    for (int y = 12; y < 64; ++y)
        for (int x = 0; x < RoomWidth; ++x)
            kit::setPixel(img, x, top + y,
                          wallPixel(pal, x, y + 64, dark ? 77u : 41u) * (0.78 + 0.22 * (y - 12) / 52.0));

    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    paintTorchGlow(p, 17, top, dark);
    paintTorchGlow(p, 283, top, dark);
    // Name plaque: a smooth slab with a moulded frame; the room name is
    // written on it by the game.
    const QRectF plaque(34, top + 17, 232, 32);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRoundedRect(plaque.translated(2, 2), 3, 3);  // shadow
    QColor edge = kit::toQRgb(pal.plaqueEdge);
    QLinearGradient frame(plaque.topLeft(), plaque.bottomLeft());
    frame.setColorAt(0.0, edge.lighter(135));
    frame.setColorAt(1.0, edge.darker(150));
    p.setBrush(frame);
    p.drawRoundedRect(plaque, 3, 3);
    const QRectF face = plaque.adjusted(3, 3, -3, -3);
    QLinearGradient slab(face.topLeft(), face.bottomLeft());
    const QColor face0 = kit::toQRgb(pal.plaque);
    slab.setColorAt(0.0, face0.lighter(dark ? 115 : 104));
    slab.setColorAt(1.0, face0.darker(dark ? 110 : 106));
    p.setBrush(slab);
    p.drawRect(face);
    // a thin inner line engraved round the face
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(dark ? QColor(90, 90, 98) : QColor(176, 150, 110), 1));
    p.drawRect(face.adjusted(2.5, 2.5, -2.5, -2.5));
    // rosettes at the plaque ends
    for (double x : {plaque.left() + 1, plaque.right() - 1}) {
        QRadialGradient boss(QPointF(x - 1, top + 31), 6);
        boss.setColorAt(0.0, edge.lighter(170));
        boss.setColorAt(1.0, edge.darker(170));
        p.setPen(Qt::NoPen);
        p.setBrush(boss);
        p.drawEllipse(QPointF(x, top + 33), 5, 5);
    }
    paintTorch(p, 17, top + 6);
    paintTorch(p, 283, top + 6);
    p.end();
}

}  // namespace

void paintRoomBackground(QImage &img, int top, RoomStyle style)
{
    const WallPalette pal = paletteFor(style);
    const std::uint32_t seed = style == RoomStyle::Light ? 41u : 77u;
    for (int y = 0; y < WallStripHeight; ++y)
        for (int x = 0; x < RoomWidth; ++x)
            kit::setPixel(img, x, top + 64 + y, wallPixel(pal, x, y, seed));
    paintHeader(img, top, style, pal);
}

}  // namespace art
