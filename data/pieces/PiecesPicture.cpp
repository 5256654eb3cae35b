// SPDX-License-Identifier: GPL-3.0-or-later
#include "PiecesPicture.h"

#include "PieceMaterials.h"
#include "data/kit/Rgb.h"
#include "throne/PieceShapes.h"

#include <algorithm>

namespace art {

namespace {

bool filled(int piece, int turn, int row, int col)
{
    if (row < 0 || col < 0 || row >= tarnwick::PieceBox || col >= tarnwick::PieceBox)
        return false;
    return tarnwick::PieceSquareAt(piece, turn, row, col) != tarnwick::EmptySquare;
}

// One square of a piece. Its outer edges, where the piece ends, are bevelled
// (lit from the upper left); where it meets a square of the same piece there
// is only a fine inlay line, so the piece reads as one slab.
void paintPieceSquare(QImage &img, int piece, int turn, int row, int col)
{
    const bool light = tarnwick::PieceSquareAt(piece, turn, row, col) == tarnwick::LightSquare;
    const TileStyle &wood = light ? lightBoardWood() : darkBoardWood();
    const auto [left, top] = pieces_art::SquareOf(piece, turn, row, col);
    const bool openTop = !filled(piece, turn, row - 1, col), openBottom = !filled(piece, turn, row + 1, col);
    const bool openLeft = !filled(piece, turn, row, col - 1), openRight = !filled(piece, turn, row, col + 1);
    const int last = PieceCell - 1;

    for (int y = 0; y < PieceCell; ++y) {
        for (int x = 0; x < PieceCell; ++x) {
            // the grain runs the same way in every square, as on a real board
            kit::Rgb c = materialAt(wood, 7 * piece + x, 11 * row + 5 * col + y);
            c = c * (1.0 + 0.05 * (1.0 - (x + y) / double(2 * last)));  // polish
            double shade = 1.0;
            if (openTop && y < 2)
                shade = y == 0 ? 1.30 : 1.14;
            if (openLeft && x < 2)
                shade = std::max(shade, x == 0 ? 1.24 : 1.10);
            if (openBottom && y > last - 2)
                shade = y == last ? 0.55 : 0.76;
            if (openRight && x > last - 2)
                shade = std::min(shade, x == last ? 0.60 : 0.80);
            if (!openTop && y == 0)
                shade *= 0.88;  // inlay line between two squares
            if (!openLeft && x == 0)
                shade *= 0.90;
            c = c * shade;
            if (!light && shade > 1.0)
                c = c + kit::rgb(26, 20, 16) * (shade - 1.0) * 4.0;  // ebony shows its edge
            kit::setPixel(img, left + x, top + y, c);
        }
    }
}

}  // namespace

QImage makePiecesPicture()
{
    QImage img(pieces_art::Width, pieces_art::Height, QImage::Format_RGB32);
    img.fill(qRgb(0, 0, 0));
    for (int piece = 1; piece <= tarnwick::PieceCount; ++piece)
        for (int turn = 0; turn < 4; ++turn)
            for (int row = 0; row < tarnwick::PieceBox; ++row)
                for (int col = 0; col < tarnwick::PieceBox; ++col)
                    if (filled(piece, turn, row, col))
                        paintPieceSquare(img, piece, turn, row, col);
    return img;
}

}  // namespace art
