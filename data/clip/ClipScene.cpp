// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClipScene.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "SceneParts.h"
#include "data/kit/Blend.h"
#include "data/kit/Hash.h"

namespace tarnwick::clip {

namespace {

// The story beats, in frames.
constexpr int MagicGathers = 10;  // violet sparks start to circle the board
constexpr int BoltStrikes = 24;   // lightning and a white flash
constexpr int BoltGone = 27;
constexpr int CracksDone = 38;    // every crack glows
constexpr int PiecesShake = 38;
constexpr int PiecesFly = 44;

const QPointF Struck(BoardLeft + 4 * SquareSize + 3, BoardTop + 4 * SquareSize - 2);

double flicker(int n) { return 1.0 + 0.05 * std::sin(n * 1.7) + 0.035 * std::sin(n * 2.9 + 1.0); }

// Where a piece is at frame n: how far it has moved, turned and grown.
struct Flight {
    QPointF offset;
    double degrees = 0;
    double scale = 1;
    double lift = 0;
};

Flight flightOf(const BoardTiling& tiling, int piece, int n) {
    Flight f;
    if (n < PiecesShake) return f;
    const QPointF from = pieceCentre(tiling, piece) - Struck;
    const double len = std::max(1.0, std::hypot(from.x(), from.y()));
    // Away from the point where the bolt struck, a little askew.
    const double skew = (kit::pairUnit(piece, 21) - 0.5) * 0.6;
    const double dx = from.x() / len;
    const double dy = from.y() / len;
    const QPointF dir(dx * std::cos(skew) - dy * std::sin(skew), dx * std::sin(skew) + dy * std::cos(skew));
    if (n < PiecesFly) {
        const double jig = 0.8;
        f.offset = dir * (0.25 * (n - PiecesShake + 1)) +
                   QPointF((kit::pairUnit(piece * 97 + n, 1) - 0.5) * jig * 2,
                           (kit::pairUnit(piece * 97 + n, 2) - 0.5) * jig * 2);
        f.lift = 0.05;
        return f;
    }
    const double t = n - PiecesFly + 0.5 + kit::pairUnit(piece, 22);
    const double speed = 1.1 + 0.6 * kit::pairUnit(piece, 23);
    f.offset = dir * (1.5 + speed * (2.2 * t + 0.16 * t * t));
    const double spin = (kit::pairUnit(piece, 24) < 0.5 ? -1 : 1) * (3 + 5 * kit::pairUnit(piece, 25));
    f.degrees = spin * t * t / (t + 8);
    f.scale = 1 + 0.012 * t;
    f.lift = std::min(2.5, 0.25 + 0.1 * t);
    return f;
}

}  // namespace

ClipScene::ClipScene() : tiling_(findBoardTiling()), table_(paintTableTop()) {}

QImage ClipScene::frame(int n) const {
    QImage img = table_.copy();
    QPainter p(&img);

    // After the pieces have gone the torchlight sinks a little.
    const double dusk = kit::clamp01((n - 62) / 13.0);
    paintBoardRim(p);
    paintScorch(p, kit::clamp01((n - PiecesFly) / 8.0));

    // Cracks glow under the pieces once these start to part.
    const double crackReveal = (n - BoltStrikes) * 7.0;
    const double crackGlow = n < BoltStrikes ? 0 : (n < PiecesFly ? 1.0 : kit::clamp01(1.0 - (n - PiecesFly) / 6.0));

    // Pieces still on or near the board first, flying ones above them.
    std::array<int, 12> order{};
    for (int i = 0; i < 12; ++i) order[i] = i + 1;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return flightOf(tiling_, a, n).lift < flightOf(tiling_, b, n).lift;
    });
    // The spell's shadow falls over the board while it cracks.
    const double shadow = n < BoltStrikes ? 0 : kit::clamp01(1.0 - (n - PiecesShake) / 6.0);
    if (n >= PiecesShake) paintCracks(p, tiling_, Struck, crackReveal, crackGlow);
    for (int piece : order) {
        const Flight f = flightOf(tiling_, piece, n);
        paintPiece(p, tiling_, piece, f.offset, f.degrees, f.scale, f.lift);
    }
    if (shadow > 0)
        p.fillRect(QRect(BoardLeft, BoardTop, 8 * SquareSize, 8 * SquareSize),
                   QColor(40, 10, 60, static_cast<int>(90 * shadow)));
    if (n < PiecesShake) paintCracks(p, tiling_, Struck, crackReveal, crackGlow);

    // The chancellor's magic: violet sparks circling in towards the board.
    if (n >= MagicGathers && n < BoltStrikes + 2) {
        const double gather = kit::clamp01((n - MagicGathers) / double(BoltStrikes - MagicGathers));
        paintGlow(p, Struck, 30 + 40 * gather, QColor(120, 60, 200, static_cast<int>(90 * gather)));
        for (int i = 0; i < 18; ++i) {
            const double a =
                2 * 3.14159265 * kit::pairUnit(i, 31) + (n - MagicGathers) * (0.25 + 0.1 * kit::pairUnit(i, 32));
            const double r = (1.0 - gather) * (50 + 40 * kit::pairUnit(i, 33)) + 6;
            const QPointF at = Struck + QPointF(std::cos(a) * r * 1.3, std::sin(a) * r);
            paintGlow(p, at, 5, QColor(200, 160, 255, 230));
        }
    }
    if (n >= BoltStrikes && n < BoltGone) {
        paintLightning(p, Struck, n);
        paintGlow(p, Struck, 40, QColor(220, 200, 255, 200));
    }
    // Embers of the broken spell rising from the board after the flight.
    if (n >= PiecesFly) {
        for (int i = 0; i < 14; ++i) {
            const double age = n - PiecesFly - 10 * kit::pairUnit(i, 41);
            if (age < 0 || age > 22) continue;
            const QPointF at(BoardLeft + 8 * SquareSize * kit::pairUnit(i, 42),
                             BoardTop + 8 * SquareSize * kit::pairUnit(i, 43) - 2.2 * age);
            const int alpha = static_cast<int>(200 * (1.0 - age / 22.0));
            paintGlow(p, at, 4, QColor(255, 150, 70, alpha));
        }
    }

    paintTorchLight(p, flicker(n) * (1.0 - 0.35 * dusk));

    // The flash of the bolt whitens the whole scene for a moment.
    if (n >= BoltStrikes && n < BoltStrikes + 5) {
        const int a = std::max(0, 170 - 42 * (n - BoltStrikes));
        p.fillRect(img.rect(), QColor(240, 232, 255, a));
        if (n < BoltGone) paintLightning(p, Struck, n);
    }
    p.end();
    return img;
}

}  // namespace tarnwick::clip
