#include "PieceGlyphs.h"

#include "ArtKit.h"
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

// A square of a few pixels, its lower right row a shade darker so that the
// little pieces keep some depth.
void paintGlyphSquare(QImage &img, int left, int top, int size, bool light)
{
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const bool edge = size > 2 && (x == size - 1 || y == size - 1);
            img.setPixel(left + x, top + y,
                         light ? (edge ? GlyphLightEdge : GlyphLight) : (edge ? GlyphDarkEdge : GlyphDark));
        }
}

// Dark line round whatever has been drawn, so light squares stand off a
// light button face.
void outline(QImage &img)
{
    const QImage drawn = img.copy();
    for (int y = 0; y < GlyphSize; ++y)
        for (int x = 0; x < GlyphSize; ++x) {
            if (qAlpha(drawn.pixel(x, y)) != 0)
                continue;
            bool touches = false;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    if (nx >= 0 && ny >= 0 && nx < GlyphSize && ny < GlyphSize && qAlpha(drawn.pixel(nx, ny)) != 0)
                        touches = true;
                }
            if (touches)
                img.setPixel(x, y, GlyphOutline);
        }
}

QImage emptyGlyph()
{
    QImage img(GlyphSize, GlyphSize, QImage::Format_ARGB32);
    img.fill(qRgba(0, 0, 0, 0));
    return img;
}

}  // namespace

QImage makePieceGlyph(int piece)
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
    QImage img = emptyGlyph();
    if (rowMax < 0)
        return img;
    const int left = (GlyphSize - GlyphSquare * (colMax - colMin + 1)) / 2;
    const int top = (GlyphSize - GlyphSquare * (rowMax - rowMin + 1)) / 2;
    for (int r = rowMin; r <= rowMax; ++r)
        for (int c = colMin; c <= colMax; ++c) {
            const auto square = tarnwick::PieceSquareAt(piece, 0, r, c);
            if (square != tarnwick::EmptySquare)
                paintGlyphSquare(img, left + GlyphSquare * (c - colMin), top + GlyphSquare * (r - rowMin),
                                 GlyphSquare, square == tarnwick::LightSquare);
        }
    outline(img);
    return img;
}

QImage makeBoardGlyph()
{
    // 8 x 8 squares of 2 x 2 pixels in a one-pixel frame: 18 pixels across.
    QImage img = emptyGlyph();
    constexpr int origin = 1;
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 8; ++c)
            paintGlyphSquare(img, origin + 1 + 2 * c, origin + 1 + 2 * r, 2, (r + c) % 2 == 0);
    for (int i = origin; i < origin + 18; ++i) {
        img.setPixel(i, origin, GlyphOutline);
        img.setPixel(i, origin + 17, GlyphOutline);
        img.setPixel(origin, i, GlyphOutline);
        img.setPixel(origin + 17, i, GlyphOutline);
    }
    return img;
}

}  // namespace art
