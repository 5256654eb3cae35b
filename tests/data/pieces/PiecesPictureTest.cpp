// SPDX-License-Identifier: GPL-3.0-or-later
#include "ColourChecks.h"
#include "throne/PieceShapes.h"

#include <gtest/gtest.h>

using namespace piecestest;
using namespace datatest;

TEST(PiecesPicture, EverySquareShowsItsColourAndEmptyCellsStayBlack)
{
    EXPECT_EQ(bmpBitsPerPixel("b8.bmp"), 24);
    const QImage pic = loadPicture("b8.bmp");
    ASSERT_FALSE(pic.isNull()) << "b8.bmp is missing";
    ASSERT_GE(pic.width(), 960);
    ASSERT_GE(pic.height(), 320);

    for (int piece = 1; piece <= tarnwick::PieceCount; ++piece)
        for (int turn = 0; turn < 4; ++turn)
            for (int row = 0; row < 4; ++row)
                for (int col = 0; col < 4; ++col) {
                    const int x = 80 * (piece - 1) + 20 * col, y = 80 * turn + 20 * row;
                    const auto square = tarnwick::PieceSquareAt(piece, turn, row, col);
                    const QString where = QString("piece %1 turn %2 row %3 col %4").arg(piece).arg(turn).arg(row).arg(col);
                    if (square == tarnwick::EmptySquare) {
                        for (int j = 0; j < 20; ++j)
                            for (int i = 0; i < 20; ++i)
                                ASSERT_TRUE(isBlack(pic.pixel(x + i, y + j))) << qPrintable(where);
                        continue;
                    }
                    const double mean = meanLuminance(pic, QRect(x, y, 20, 20));
                    if (square == tarnwick::LightSquare)
                        EXPECT_GT(mean, 150.0) << qPrintable(where);
                    else
                        EXPECT_LT(mean, 90.0) << qPrintable(where);
                    int black = 0;
                    for (int j = 0; j < 20; ++j)
                        for (int i = 0; i < 20; ++i)
                            black += isBlack(pic.pixel(x + i, y + j));
                    EXPECT_EQ(black, 0) << qPrintable(where) << " has black pixels";
                }
}
