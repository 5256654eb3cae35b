// SPDX-License-Identifier: GPL-3.0-or-later
#include "SceneParts.h"

#include "data/kit/Hash.h"

#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

namespace tarnwick::clip {

QImage paintTableTop() {
    QImage img(ClipWidth, ClipHeight, QImage::Format_RGB32);
    const int plank = 37;
    for (int y = 0; y < ClipHeight; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        const int k = y / plank;
        const double tone = 0.9 + 0.2 * kit::pairUnit(k, 7);
        const int shift = static_cast<int>(kit::pairUnit(k, 3) * 200);
        for (int x = 0; x < ClipWidth; ++x) {
            const double u = x + shift;
            const double grain = std::sin(u * 0.045 + 2.6 * std::sin(y * 0.21 + k * 1.3) + 0.8 * std::sin(u * 0.011));
            const double fine = kit::pairUnit(x * 3 + shift, y) - 0.5;
            double v = tone * (1.0 + 0.1 * grain + 0.06 * fine);
            if (y % plank == 0) v *= 0.45;          // the seam between planks
            if (y % plank == 1) v *= 0.8;
            const int r = std::clamp(static_cast<int>(98 * v), 0, 255);
            const int g = std::clamp(static_cast<int>(60 * v), 0, 255);
            const int b = std::clamp(static_cast<int>(32 * v), 0, 255);
            line[x] = qRgb(r, g, b);
        }
    }
    return img;
}

void paintTorchLight(QPainter& p, double strength) {
    p.save();
    QRadialGradient warm(QPointF(70, 20), 230);
    warm.setColorAt(0.0, QColor(255, 176, 96, std::clamp(static_cast<int>(70 * strength), 0, 255)));
    warm.setColorAt(0.5, QColor(255, 140, 60, std::clamp(static_cast<int>(22 * strength), 0, 255)));
    warm.setColorAt(1.0, QColor(255, 120, 40, 0));
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    p.fillRect(QRect(0, 0, ClipWidth, ClipHeight), warm);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    QRadialGradient dark(QPointF(112, 66), 170);
    const int edge = std::clamp(static_cast<int>(255 - 95 * strength), 0, 255);
    dark.setColorAt(0.0, QColor(0, 0, 0, 0));
    dark.setColorAt(0.55, QColor(8, 4, 2, edge / 3));
    dark.setColorAt(1.0, QColor(8, 4, 2, edge));
    p.fillRect(QRect(0, 0, ClipWidth, ClipHeight), dark);
    p.restore();
}

void paintBoardRim(QPainter& p) {
    p.save();
    const int side = 8 * SquareSize;
    const QRect outer(BoardLeft - FrameWidth, BoardTop - FrameWidth, side + 2 * FrameWidth, side + 2 * FrameWidth);
    p.fillRect(outer.translated(4, 5), QColor(0, 0, 0, 110));
    p.fillRect(outer, QColor(58, 30, 14));
    p.setPen(QColor(120, 72, 36));
    p.drawLine(outer.topLeft(), outer.topRight());
    p.drawLine(outer.topLeft(), outer.bottomLeft());
    p.setPen(QColor(30, 14, 6));
    p.drawLine(outer.bottomLeft(), outer.bottomRight());
    p.drawLine(outer.topRight(), outer.bottomRight());
    // The inner edge of the rim, where the squares lie in.
    p.setPen(QColor(24, 12, 5));
    p.drawRect(QRect(BoardLeft - 1, BoardTop - 1, side + 1, side + 1));
    p.restore();
}

void paintScorch(QPainter& p, double amount) {
    if (amount <= 0) return;
    p.save();
    const QPointF c(BoardLeft + 4 * SquareSize, BoardTop + 4 * SquareSize);
    QRadialGradient g(c, 62);
    g.setColorAt(0.0, QColor(10, 5, 8, static_cast<int>(200 * amount)));
    g.setColorAt(0.7, QColor(20, 10, 10, static_cast<int>(120 * amount)));
    g.setColorAt(1.0, QColor(20, 10, 10, 0));
    p.setClipRect(QRect(BoardLeft, BoardTop, 8 * SquareSize, 8 * SquareSize));
    p.fillRect(QRect(BoardLeft, BoardTop, 8 * SquareSize, 8 * SquareSize), g);
    p.restore();
}

QPointF pieceCentre(const BoardTiling& tiling, int piece) {
    double x = 0;
    double y = 0;
    int n = 0;
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 8; ++c)
            if (tiling.owner[r][c] == piece) {
                x += BoardLeft + SquareSize * c + SquareSize / 2.0;
                y += BoardTop + SquareSize * r + SquareSize / 2.0;
                ++n;
            }
    return n ? QPointF(x / n, y / n) : QPointF();
}

void paintPiece(QPainter& p, const BoardTiling& tiling, int piece, QPointF offset, double degrees,
                double scale, double lift) {
    const QPointF centre = pieceCentre(tiling, piece);
    QPainterPath shape;
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 8; ++c)
            if (tiling.owner[r][c] == piece)
                shape.addRect(BoardLeft + SquareSize * c, BoardTop + SquareSize * r, SquareSize, SquareSize);
    shape = shape.simplified();

    p.save();
    p.setRenderHint(QPainter::Antialiasing, lift > 0 || degrees != 0);
    auto place = [&](QPointF extra) {
        p.resetTransform();
        p.translate(centre + offset + extra);
        p.rotate(degrees);
        p.scale(scale, scale);
        p.translate(-centre);
    };
    if (lift > 0) {
        place(QPointF(2 + 3 * lift, 3 + 4 * lift));
        p.fillPath(shape, QColor(0, 0, 0, std::clamp(static_cast<int>(130 - 30 * lift), 40, 130)));
    }
    place(QPointF());
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 8; ++c) {
            if (tiling.owner[r][c] != piece) continue;
            const bool light = ((r + c) % 2 == 0) == tiling.lightCorner;
            const double tone = 0.95 + 0.1 * kit::pairUnit(r * 8 + c, 11);
            const QColor base = light ? QColor(222, 196, 146) : QColor(96, 54, 26);
            const QColor col(std::clamp(static_cast<int>(base.red() * tone), 0, 255),
                             std::clamp(static_cast<int>(base.green() * tone), 0, 255),
                             std::clamp(static_cast<int>(base.blue() * tone), 0, 255));
            p.fillRect(QRectF(BoardLeft + SquareSize * c, BoardTop + SquareSize * r, SquareSize, SquareSize), col);
        }
    if (lift > 0) {
        p.setPen(QPen(QColor(40, 20, 8), 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawPath(shape);
    }
    p.restore();
}

void paintCracks(QPainter& p, const BoardTiling& tiling, QPointF struck, double reveal, double glow) {
    if (reveal <= 0 || glow <= 0) return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    const int a = std::clamp(static_cast<int>(255 * glow), 0, 255);
    const QPen wide(QColor(255, 120, 40, a / 2), 4.0, Qt::SolidLine, Qt::RoundCap);
    const QPen core(QColor(255, 214, 110, a), 1.2, Qt::SolidLine, Qt::RoundCap);
    for (int pass = 0; pass < 2; ++pass) {
        p.setPen(pass == 0 ? wide : core);
        p.setCompositionMode(pass == 0 ? QPainter::CompositionMode_Plus : QPainter::CompositionMode_SourceOver);
        for (int r = 0; r < 8; ++r)
            for (int c = 0; c < 8; ++c) {
                const double x = BoardLeft + SquareSize * c;
                const double y = BoardTop + SquareSize * r;
                if (c < 7 && tiling.owner[r][c] != tiling.owner[r][c + 1]) {
                    const QPointF a1(x + SquareSize, y), a2(x + SquareSize, y + SquareSize);
                    if (std::hypot((a1 + a2).x() / 2 - struck.x(), (a1 + a2).y() / 2 - struck.y()) <= reveal)
                        p.drawLine(a1, a2);
                }
                if (r < 7 && tiling.owner[r][c] != tiling.owner[r + 1][c]) {
                    const QPointF b1(x, y + SquareSize), b2(x + SquareSize, y + SquareSize);
                    if (std::hypot((b1 + b2).x() / 2 - struck.x(), (b1 + b2).y() / 2 - struck.y()) <= reveal)
                        p.drawLine(b1, b2);
                }
            }
    }
    p.restore();
}

void paintLightning(QPainter& p, QPointF target, int seed) {
    // Split the path again and again, pushing each middle point sideways.
    std::vector<QPointF> pts{QPointF(target.x() - 30 + 60 * kit::pairUnit(seed, 1), -4), target};
    double spread = 26;
    for (int level = 0; level < 5; ++level) {
        std::vector<QPointF> next;
        for (std::size_t i = 0; i + 1 < pts.size(); ++i) {
            next.push_back(pts[i]);
            const QPointF mid = (pts[i] + pts[i + 1]) / 2;
            next.push_back(mid + QPointF((kit::pairUnit(seed * 31 + level, static_cast<int>(i)) - 0.5) * spread, 0));
        }
        next.push_back(pts.back());
        pts = next;
        spread *= 0.55;
    }
    QPainterPath bolt(pts.front());
    for (std::size_t i = 1; i < pts.size(); ++i) bolt.lineTo(pts[i]);
    // A side branch forking off a third of the way down.
    const QPointF fork = pts[pts.size() / 3];
    QPainterPath branch(fork);
    branch.lineTo(fork + QPointF(-14 + 28 * kit::pairUnit(seed, 5), 16));
    branch.lineTo(fork + QPointF(-22 + 44 * kit::pairUnit(seed, 6), 30));

    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(150, 90, 255, 70), 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(bolt);
    p.drawPath(branch);
    p.setPen(QPen(QColor(190, 150, 255, 150), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(bolt);
    p.drawPath(branch);
    p.setPen(QPen(QColor(255, 255, 255), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(bolt);
    p.setPen(QPen(QColor(235, 225, 255), 0.8));
    p.drawPath(branch);
    p.restore();
}

void paintGlow(QPainter& p, QPointF centre, double radius, QColor colour) {
    if (radius <= 0 || colour.alpha() <= 0) return;
    p.save();
    QRadialGradient g(centre, radius);
    g.setColorAt(0.0, colour);
    QColor mid = colour;
    mid.setAlpha(colour.alpha() / 3);
    g.setColorAt(0.4, mid);
    QColor edge = colour;
    edge.setAlpha(0);
    g.setColorAt(1.0, edge);
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    p.fillRect(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), g);
    p.restore();
}

}  // namespace tarnwick::clip
