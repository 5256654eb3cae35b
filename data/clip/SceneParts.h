// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The things the story clip is drawn from: the table, the king's chess
// board and its pieces, the chancellor's lightning and the sparks of magic.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPointF>

#include "BoardTiling.h"

namespace tarnwick::clip {

constexpr int ClipWidth = 240;
constexpr int ClipHeight = 148;
constexpr int SquareSize = 13;
constexpr int BoardLeft = 68;  // top-left of the 8 x 8 squares in the frame
constexpr int BoardTop = 22;
constexpr int FrameWidth = 5;  // the wooden rim around the squares

// The oak table top, planks and grain, without light.
QImage paintTableTop();

// Warm torch light from the upper left and dark corners; `strength`
// near 1 (flicker), lower when the scene darkens.
void paintTorchLight(QPainter& p, double strength);

// The board's wooden rim and its shadow on the table.
void paintBoardRim(QPainter& p);

// A scorch mark where the board lay once its pieces have gone.
void paintScorch(QPainter& p, double amount);

// One piece's squares at its place on the board, moved by `offset`,
// turned by `degrees` and scaled by `scale` about its middle; `lift` > 0
// adds a shadow below it and an outline round its squares.
void paintPiece(QPainter& p, const BoardTiling& tiling, int piece, QPointF offset, double degrees,
                double scale, double lift);

// The middle of a piece on the board, in frame pixels.
QPointF pieceCentre(const BoardTiling& tiling, int piece);

// The glowing cracks between the pieces; each crack shows once `reveal`
// (pixels from the point the lightning struck) has reached it.
void paintCracks(QPainter& p, const BoardTiling& tiling, QPointF struck, double reveal, double glow);

// A jagged lightning bolt from the top of the frame to `target`.
void paintLightning(QPainter& p, QPointF target, int seed);

// A soft round glow of magic light.
void paintGlow(QPainter& p, QPointF centre, double radius, QColor colour);

}  // namespace tarnwick::clip
