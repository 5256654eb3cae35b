// SPDX-License-Identifier: GPL-3.0-or-later
#include "ColourChecks.h"
#include "throne/PieceShapes.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace piecestest;
using namespace datatest;

// Each room's button shows its piece in the first turn, squares of 4 x 4.
TEST(PieceGlyphs, ShowTheRoomsPieceLightSquaresAndAll)
{
    for (int piece = 1; piece <= tarnwick::PieceCount; ++piece) {
        const QByteArray name = QString("piece%1.png").arg(piece).toLatin1();
        const QImage glyph = loadGlyph(name.constData());
        ASSERT_EQ(glyph.size(), QSize(19, 19)) << name.constData();
        int lightSquares = 0, squares = 0;
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c) {
                const auto square = tarnwick::PieceSquareAt(piece, 0, r, c);
                squares += square != tarnwick::EmptySquare;
                lightSquares += square == tarnwick::LightSquare;
            }
        int lightPixels = 0, opaque = 0;
        for (int y = 0; y < 19; ++y)
            for (int x = 0; x < 19; ++x) {
                const QRgb p = glyph.pixel(x, y);
                if (qAlpha(p) == 0)
                    continue;
                ++opaque;
                lightPixels += luma(p) > 140;
            }
        EXPECT_EQ(lightPixels, 16 * lightSquares) << name.constData();
        EXPECT_GT(opaque, 16 * squares) << name.constData() << " lacks squares or outline";
        EXPECT_EQ(qAlpha(glyph.pixel(0, 0)), 0) << name.constData() << " background not transparent";
    }
    EXPECT_EQ(loadGlyph("board.png").size(), QSize(19, 19));
}

// The buttons for screens of twice the density show the same pixel art with
// every pixel a 2 x 2 block, so a piece looks the same, only sharper.
TEST(PieceGlyphs, TheTwiceAsDenseButtonsAreExactDoublings)
{
    QStringList names{"board"};
    for (int piece = 1; piece <= tarnwick::PieceCount; ++piece)
        names << QString("piece%1").arg(piece);
    for (const QString &name : names) {
        const QImage plain = loadGlyph((name + ".png").toLatin1().constData());
        const QImage twice = loadGlyph((name + "@2x.png").toLatin1().constData());
        ASSERT_EQ(twice.size(), 2 * plain.size()) << name.toStdString();
        int mismatches = 0;
        for (int y = 0; y < twice.height(); ++y)
            for (int x = 0; x < twice.width(); ++x)
                mismatches += twice.pixel(x, y) != plain.pixel(x / 2, y / 2);
        EXPECT_EQ(mismatches, 0) << name.toStdString();
    }
}
