// SPDX-License-Identifier: GPL-3.0-or-later
// b1.bmp: the room behind a labyrinth door. Left, the room with its closed
// oak door between two torches (also a story and help page, so it is dim);
// right, the open door with a lit niche, the three glowing wall stones and
// the twelve chess-board pieces lying on the niche's ledge.
#include "labyrinth/DoorRoomLayout.h"
#include "SceneKit.h"
#include "ScenePictures.h"
#include "data/kit/Colour.h"
#include "data/kit/Hash.h"
#include "data/kit/Masonry.h"
#include "data/kit/Outline.h"
#include "data/kit/Vignette.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

namespace art {

using namespace door_room_art;

namespace {

constexpr int LedgeY = PieceAtY + PieceCellH - 3;

// The door opening: x 152..257, straight sides from y 140 down, round arch above.
QPainterPath doorOpening(double inset = 0) {
    QPainterPath path;
    const double l = 152 + inset, r = 258 - inset, bottom = 270, top = 92 + inset;
    const double radius = (r - l) / 2;
    path.moveTo(l, bottom);
    path.lineTo(l, top + radius);
    path.arcTo(QRectF(l, top, r - l, 2 * radius), 180, -180);
    path.lineTo(r, bottom);
    path.closeSubpath();
    return path;
}

void paintRoomWalls(QImage &img) {
    kit::Masonry wall;
    wall.blockW = 36;
    wall.blockH = 18;
    wall.stone = QColor(64, 54, 46);
    wall.mortar = QColor(24, 19, 16);
    wall.variation = 10;
    wall.seed = 111;
    kit::paintMasonry(img, QRect(0, 0, RoomW, 270), wall);
    // the floor: big flags, darker towards the viewer
    for (int y = 270; y < RoomH; ++y)
        for (int x = 0; x < RoomW; ++x) {
            const double t = (y - 270) / 30.0;
            const double u = (x - 200) / (1.0 + t * 0.6);
            const std::uint32_t flagstone = kit::spreadHash(int(std::floor(u / 48)), y > 282 ? 1 : 0, 113);
            QColor c = kit::jitter(QColor(70, 58, 48), 8, flagstone);
            if (y == 270 || y == 282 || std::fmod(std::abs(u), 48.0) < 1.2)
                c = QColor(26, 20, 16);
            c = kit::shade(c, 1.0 - t * 0.35);
            img.setPixelColor(x, y, kit::jitter(c, 2, kit::spreadHash(x, y, 114)));
        }
}

void paintDoorFrame(QPainter &p) {
    p.setRenderHint(QPainter::Antialiasing);
    // arch of dressed stones around the opening
    QPainterPath outer = doorOpening(-12);
    p.setPen(QPen(QColor(22, 18, 14), 2));
    p.setBrush(QColor(104, 92, 78));
    p.drawPath(outer);
    p.setPen(QPen(QColor(40, 32, 26), 1.5));
    const QPointF centre(205, 145);
    for (int i = 0; i <= 8; ++i) {  // voussoir joints
        const double a = std::numbers::pi * i / 8;
        p.drawLine(centre + QPointF(-std::cos(a) * 53, -std::sin(a) * 53),
                   centre + QPointF(-std::cos(a) * 66, -std::sin(a) * 66));
    }
    for (int y = 160; y < 270; y += 22) {  // jamb stones
        p.drawLine(QPointF(140, y), QPointF(152, y));
        p.drawLine(QPointF(258, y), QPointF(270, y));
    }
    // threshold
    p.setPen(QPen(QColor(22, 18, 14), 1));
    p.setBrush(QColor(96, 84, 72));
    p.drawRect(QRectF(138, 268, 134, 5));
}

void paintClosedDoor(QPainter &p) {
    p.setRenderHint(QPainter::Antialiasing);
    const QPainterPath opening = doorOpening();
    p.save();
    p.setClipPath(opening);
    for (int i = 0; i < 7; ++i) {  // oak planks
        const double x = 152 + i * 15.2;
        QLinearGradient g(x, 0, x + 15.2, 0);
        const QColor base = (i % 2) ? QColor(74, 46, 26) : QColor(84, 52, 30);
        g.setColorAt(0, kit::shade(base, 1.15));
        g.setColorAt(1, kit::shade(base, 0.8));
        p.fillRect(QRectF(x, 90, 15.2, 182), g);
        p.setPen(QPen(QColor(28, 16, 8), 1.2));
        p.drawLine(QPointF(x, 90), QPointF(x, 272));
    }
    // wood grain
    p.setPen(QPen(QColor(48, 28, 14, 120), 0.8));
    for (int i = 0; i < 40; ++i) {
        const double x = 154 + (kit::spreadHash(i, 0, 121) % 100);
        const double y = 110 + (kit::spreadHash(i, 1, 121) % 150);
        p.drawLine(QPointF(x, y), QPointF(x + 0.5, y + 10 + kit::spreadHash(i, 2, 121) % 14));
    }
    // iron bands with rivets
    for (const double y : {130.0, 200.0, 250.0}) {
        p.setPen(QPen(QColor(16, 14, 14), 1));
        p.setBrush(QColor(52, 50, 52));
        p.drawRect(QRectF(150, y, 110, 7));
        p.setBrush(QColor(120, 116, 112));
        p.setPen(Qt::NoPen);
        for (double x = 158; x < 256; x += 15.2)
            p.drawEllipse(QPointF(x, y + 3.5), 1.5, 1.5);
    }
    p.restore();
    p.setPen(QPen(QColor(20, 12, 6), 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(opening);
    // ring handle on a plate
    p.setPen(QPen(QColor(16, 14, 14), 1));
    p.setBrush(QColor(60, 56, 54));
    p.drawEllipse(QPointF(236, 178), 6, 6);
    p.setPen(QPen(QColor(176, 140, 70), 2.4));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(236, 188), 6.5, 8);
}

QImage roomWithClosedDoor() {
    QImage room(RoomW, RoomH, QImage::Format_RGB32);
    paintRoomWalls(room);
    {
        QPainter p(&room);
        paintDoorFrame(p);
        paintClosedDoor(p);
    }
    addLight(room, QPointF(70, 120), 110, 0.35);
    addLight(room, QPointF(330, 120), 110, 0.35);
    kit::vignette(room, room.rect(), 0.6);
    QPainter p(&room);
    paintTorch(p, 70, 124, 1.5);
    paintTorch(p, 330, 124, 1.5);
    return room;
}

// The room again, with the door standing open onto a niche lit by the piece's
// magic: a back wall with a stone ledge at y 227, the door leaf swung inwards.
QImage roomWithOpenDoor(const QImage &closed) {
    QImage room = closed;
    QImage niche(RoomW, RoomH, QImage::Format_RGB32);
    kit::Masonry back;
    back.blockW = 24;
    back.blockH = 12;
    back.stone = QColor(120, 100, 80);
    back.mortar = QColor(54, 42, 32);
    back.seed = 131;
    kit::paintMasonry(niche, niche.rect(), back);
    for (int y = LedgeY; y < RoomH; ++y)  // the ledge and the floor below it
        for (int x = 0; x < RoomW; ++x) {
            QColor c = y < LedgeY + 5 ? QColor(156, 136, 110) : QColor(92, 76, 60);
            if (y == LedgeY + 5)
                c = QColor(40, 30, 22);
            niche.setPixelColor(x, y, kit::jitter(c, 4, kit::spreadHash(x, y, 132)));
        }
    addLight(niche, QPointF(205, 200), 90, 0.55, QColor(255, 200, 120));
    kit::vignette(niche, QRect(150, 90, 110, 180), 0.7);
    QPainter p(&room);
    p.setRenderHint(QPainter::Antialiasing);
    p.setClipPath(doorOpening());
    p.drawImage(0, 0, niche);
    // the door leaf, open against the left jamb
    const QPainterPath leaf = kit::outline({{152, 140}, {172, 150}, {172, 262}, {152, 270}});
    QLinearGradient wood(152, 0, 172, 0);
    wood.setColorAt(0, QColor(60, 36, 18));
    wood.setColorAt(1, QColor(100, 62, 32));
    p.setPen(QPen(QColor(20, 12, 6), 1.2));
    p.setBrush(wood);
    p.drawPath(leaf);
    p.setClipping(false);
    p.setPen(QPen(QColor(20, 12, 6), 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(doorOpening());
    return room;
}

void paintStones(QImage &img) {
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    for (const StoneRect &s : Stones) {
        const QRectF r(s.x, s.y, s.w, s.h);
        QRadialGradient halo(r.center(), s.w * 0.9);
        halo.setColorAt(0, QColor(140, 255, 230, 140));
        halo.setColorAt(1, QColor(140, 255, 230, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(halo);
        p.drawRect(r.adjusted(-1, -1, 1, 1));
        QRadialGradient glow(r.center() - QPointF(2, 2), s.w * 0.7);
        glow.setColorAt(0, QColor(240, 255, 250));
        glow.setColorAt(0.5, QColor(120, 230, 210));
        glow.setColorAt(1, QColor(40, 140, 130));
        p.setPen(QPen(QColor(20, 60, 56), 1.2));
        p.setBrush(glow);
        p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 3, 3);
    }
}

void paintPiece(QImage &cell, int n) {
    QPainter p(&cell);
    const QColor light(236, 224, 194), dark(46, 30, 20);
    for (int pass = 0; pass < 3; ++pass)
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c) {
                const auto sq = tarnwick::PieceSquareAt(n, 0, r, c);
                if (sq == tarnwick::EmptySquare)
                    continue;
                const CellPoint at = pieceSquareInCell(n, r, c);
                const QRect box(at.x, at.y, SquareSize, SquareSize);
                if (pass == 0)  // shadow on the ledge
                    p.fillRect(box.translated(2, 2), QColor(20, 12, 6, 150));
                else if (pass == 1)  // gilded edge around the whole piece
                    p.fillRect(box.adjusted(-1, -1, 1, 1), QColor(210, 164, 60));
                else {
                    p.fillRect(box, sq == tarnwick::LightSquare ? light : dark);
                    p.setPen(sq == tarnwick::LightSquare ? QColor(255, 250, 232) : QColor(84, 60, 44));
                    p.drawLine(box.topLeft(), box.topRight());
                }
            }
}

}  // namespace

QImage doorRoomPicture() {
    QImage pic(Width, Height, QImage::Format_RGB32);
    pic.fill(Qt::black);
    const QImage closed = roomWithClosedDoor();
    const QImage open = roomWithOpenDoor(closed);
    QPainter p(&pic);
    p.drawImage(0, 0, closed);
    p.drawImage(OpenDoorX, OpenDoorY, open, OpenDoorAtX, OpenDoorAtY, OpenDoorW, OpenDoorH);

    QImage stones = open.copy(StonesAtX, StonesAtY, StonesW, StonesH);
    paintStones(stones);
    p.drawImage(StonesX, StonesY, stones);

    for (int n = 1; n <= tarnwick::PieceCount; ++n) {
        QImage cell = open.copy(PieceAtX, PieceAtY, PieceCellW, PieceCellH);
        paintPiece(cell, n);
        p.drawImage(pieceCellX(n), pieceCellY(n), cell);
    }
    return pic;
}

}  // namespace art
