// SPDX-License-Identifier: GPL-3.0-or-later
// The door-room picture: the regions the door room copies, the stones inside
// their hit areas and the twelve pieces coloured as the piece table says.
#include "labyrinth/DoorRoomLayout.h"
#include "support/PictureFiles.h"

#include <QColor>
#include <QSet>
#include <gtest/gtest.h>

using namespace door_room_art;
using datatest::loadPicture;

namespace {

class DoorRoomPicture : public ::testing::Test {
protected:
    void SetUp() override {
        pic = loadPicture("b1.bmp");
        ASSERT_FALSE(pic.isNull()) << "b1.bmp missing";
        ASSERT_GE(pic.width(), Width);
        ASSERT_GE(pic.height(), Height);
    }
    int colours(int x, int y, int w, int h) const {
        QSet<QRgb> seen;
        for (int j = y; j < y + h; ++j)
            for (int i = x; i < x + w; ++i)
                seen.insert(pic.pixel(i, j));
        return seen.size();
    }
    static double luminance(QRgb c) { return 0.299 * qRed(c) + 0.587 * qGreen(c) + 0.114 * qBlue(c); }
    QImage pic;
};

TEST_F(DoorRoomPicture, EveryRegionHoldsAPicture) {
    EXPECT_GT(colours(0, 0, RoomW, RoomH), 100);
    EXPECT_GT(colours(OpenDoorX, OpenDoorY, OpenDoorW, OpenDoorH), 100);
    EXPECT_GT(colours(StonesX, StonesY, StonesW, StonesH), 30);
    for (int n = 1; n <= tarnwick::PieceCount; ++n)
        EXPECT_GT(colours(pieceCellX(n), pieceCellY(n), PieceCellW, PieceCellH), 20) << "piece " << n;
    // the open door really is open: it differs from the closed door under it
    EXPECT_NE(pic.copy(OpenDoorX, OpenDoorY, OpenDoorW, OpenDoorH),
              pic.copy(OpenDoorAtX, OpenDoorAtY, OpenDoorW, OpenDoorH));
}

TEST_F(DoorRoomPicture, StonesLieInsideTheirHitAreas) {
    // Hit areas in window pixels, bounds exclusive.
    const QRect hits[3] = {QRect(QPoint(164, 176), QPoint(187, 199)), QRect(QPoint(193, 176), QPoint(216, 199)),
                           QRect(QPoint(177, 201), QPoint(200, 224))};
    int changed[3] = {0, 0, 0};
    for (int y = 0; y < StonesH; ++y)
        for (int x = 0; x < StonesW; ++x) {
            // the open door under the stones, as the game draws it
            const QRgb under = pic.pixel(OpenDoorX + StonesAtX - OpenDoorAtX + x, OpenDoorY + StonesAtY - OpenDoorAtY + y);
            if (pic.pixel(StonesX + x, StonesY + y) == under)
                continue;
            const QPoint at(StonesAtX + x, StonesAtY + y);
            bool inside = false;
            for (int s = 0; s < 3; ++s)
                if (hits[s].contains(at)) {
                    inside = true;
                    ++changed[s];
                }
            EXPECT_TRUE(inside) << "stone pixel outside every hit area at " << at.x() << ", " << at.y();
        }
    for (int s = 0; s < 3; ++s)
        EXPECT_GT(changed[s], 200) << "stone " << s + 1;
}

TEST_F(DoorRoomPicture, PiecesShowTheirLightAndDarkSquares) {
    for (int n = 1; n <= tarnwick::PieceCount; ++n)
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c) {
                const auto sq = tarnwick::PieceSquareAt(n, 0, r, c);
                if (sq == tarnwick::EmptySquare)
                    continue;
                const CellPoint at = pieceSquareInCell(n, r, c);
                ASSERT_GE(at.x, 0);
                ASSERT_LE(at.x + SquareSize, PieceCellW);
                ASSERT_GE(at.y, 0);
                ASSERT_LE(at.y + SquareSize, PieceCellH);
                const double l = luminance(pic.pixel(pieceCellX(n) + at.x + SquareSize / 2, pieceCellY(n) + at.y + SquareSize / 2));
                if (sq == tarnwick::LightSquare)
                    EXPECT_GT(l, 170) << "piece " << n << " square " << r << "," << c;
                else
                    EXPECT_LT(l, 70) << "piece " << n << " square " << r << "," << c;
            }
}

}  // namespace
