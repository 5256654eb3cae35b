// SPDX-License-Identifier: GPL-3.0-or-later
#include "PieceGlyphs.h"

#include "throne/PieceShapes.h"

#include <algorithm>

namespace art {

namespace {

constexpr int GlyphSquare = 4;
const QRgb GlyphLight = qRgb(240, 222, 180);
const QRgb GlyphLightEdge = qRgb(206, 180, 132);
const QRgb GlyphDark = qRgb(74, 48, 34);
const QRgb GlyphDarkEdge = qRgb(50, 32, 22);
const QRgb GlyphOutline = qRgb(36, 24, 16);

// A square of a few design pixels, its lower right row a shade darker so
// that the little pieces keep some depth.
void paintGlyphSquare(QImage &img, int left, int top, int designSize, int scale, bool light)
{
    const int size = designSize * scale;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const bool edge = designSize > 2 && (x >= size - scale || y >= size - scale);
            img.setPixel(left + x, top + y,
                         light ? (edge ? GlyphLightEdge : GlyphLight) : (edge ? GlyphDarkEdge : GlyphDark));
        }
}

void outlineOnce(QImage &img)
{
    const QImage drawn = img.copy();
    const int size = img.width();
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            if (qAlpha(drawn.pixel(x, y)) != 0)
                continue;
            bool touches = false;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    if (nx >= 0 && ny >= 0 && nx < size && ny < size && qAlpha(drawn.pixel(nx, ny)) != 0)
                        touches = true;
                }
            if (touches)
                img.setPixel(x, y, GlyphOutline);
        }
}

// Dark line round whatever has been drawn, so light squares stand off a
// light button face; one design pixel wide.
void outline(QImage &img, int scale)
{
    for (int pass = 0; pass < scale; ++pass)
        outlineOnce(img);
}

QImage emptyGlyph(int scale)
{
    QImage img(GlyphSize * scale, GlyphSize * scale, QImage::Format_ARGB32);
    img.fill(qRgba(0, 0, 0, 0));
    return img;
}

}  // namespace

QImage makePieceGlyph(int piece, int scale)
{
    int rowMin = tarnwick::PieceBox, rowMax = -1, colMin = tarnwick::PieceBox, colMax = -1;
    for (int r = 0; r < tarnwick::PieceBox; ++r)
        for (int c = 0; c < tarnwick::PieceBox; ++c)
            if (tarnwick::PieceSquareAt(piece, 0, r, c) != tarnwick::EmptySquare) {
                rowMin = std::min(rowMin, r);
                rowMax = std::max(rowMax, r);
                colMin = std::min(colMin, c);
                colMax = std::max(colMax, c);
            }
    QImage img = emptyGlyph(scale);
    if (rowMax < 0)
        return img;
    const int square = GlyphSquare * scale;
    // Centred on the design grid, so both scales place the piece alike.
    const int left = (GlyphSize - GlyphSquare * (colMax - colMin + 1)) / 2 * scale;
    const int top = (GlyphSize - GlyphSquare * (rowMax - rowMin + 1)) / 2 * scale;
    for (int r = rowMin; r <= rowMax; ++r)
        for (int c = colMin; c <= colMax; ++c) {
            const auto kind = tarnwick::PieceSquareAt(piece, 0, r, c);
            if (kind != tarnwick::EmptySquare)
                paintGlyphSquare(img, left + square * (c - colMin), top + square * (r - rowMin), GlyphSquare,
                                 scale, kind == tarnwick::LightSquare);
        }
    outline(img, scale);
    return img;
}

QImage makeBoardGlyph(int scale)
{
    // 8 x 8 squares of 2 x 2 design pixels in a frame one design pixel wide:
    // 18 design pixels across.
    QImage img = emptyGlyph(scale);
    const int origin = scale, square = 2 * scale, across = 18 * scale;
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 8; ++c)
            paintGlyphSquare(img, origin + scale + square * c, origin + scale + square * r, 2, scale,
                             (r + c) % 2 == 0);
    const QRgb ink = GlyphOutline;
    for (int i = 0; i < across; ++i)
        for (int t = 0; t < scale; ++t) {
            img.setPixel(origin + i, origin + t, ink);
            img.setPixel(origin + i, origin + across - 1 - t, ink);
            img.setPixel(origin + t, origin + i, ink);
            img.setPixel(origin + across - 1 - t, origin + i, ink);
        }
    return img;
}

}  // namespace art
