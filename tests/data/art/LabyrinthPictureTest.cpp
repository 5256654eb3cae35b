// SPDX-License-Identifier: GPL-3.0-or-later
// The labyrinth picture: the player is copied opaque and erased with the
// floor patch, so the floor under his path must be the patch's colour.
#include "labyrinth/LabyrinthLayout.h"
#include "support/PictureFiles.h"

#include <QColor>
#include <gtest/gtest.h>

using namespace labyrinth_art;
using datatest::loadPicture;

namespace {

class LabyrinthPicture : public ::testing::Test {
protected:
    void SetUp() override {
        pic = loadPicture("b5.bmp");
        ASSERT_FALSE(pic.isNull()) << "b5.bmp missing";
        ASSERT_GE(pic.width(), Width);
        ASSERT_GE(pic.height(), Height);
        floor = pic.pixel(FloorPatchLeft, SpriteTop);
    }

    // First pixel in the rectangle that is not the floor colour, or "".
    std::string offFloor(int left, int top, int x0, int y0, int x1, int y1) const {
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                if (pic.pixel(left + x, top + y) != floor)
                    return "tile pixel (" + std::to_string(x) + ", " + std::to_string(y) + ")";
        return "";
    }

    void expectFlatPath(int kind, bool open) const {
        const int left = tileX(kind), top = tileY(kind, open);
        const int o = Openings[kind];
        SCOPED_TRACE("kind " + std::to_string(kind) + (open ? " open" : ""));
        EXPECT_EQ(offFloor(left, top, BandX0, BandY0, BandX1, BandY1), "") << "centre";
        if (o & OpenNorth) {
            EXPECT_EQ(offFloor(left, top, BandX0, 0, BandX1, BandY1), "") << "north";
        }
        if (o & OpenSouth) {
            EXPECT_EQ(offFloor(left, top, BandX0, BandY0, BandX1, Tile - 1), "") << "south";
        }
        if (o & OpenWest) {
            EXPECT_EQ(offFloor(left, top, 0, BandY0, BandX1, BandY1), "") << "west";
        }
        if (o & OpenEast) {
            EXPECT_EQ(offFloor(left, top, BandX0, BandY0, Tile - 1, BandY1), "") << "east";
        }
    }

    QImage sprite(int frame, int facing) const { return pic.copy(spriteX(frame, facing), SpriteTop, SpriteW, SpriteH); }

    QImage pic;
    QRgb floor = 0;
};

TEST_F(LabyrinthPicture, PlayerPathIsFlatFloorOnEveryWalkableTile) {
    for (int kind = 0; kind <= 15; ++kind)
        expectFlatPath(kind, false);
    for (int kind = 11; kind <= 14; ++kind)
        expectFlatPath(kind, true);
}

TEST_F(LabyrinthPicture, FloorPatchIsFlatAndIsTheSpriteBackground) {
    EXPECT_EQ(offFloor(FloorPatchLeft, SpriteTop, 0, 0, SpriteW - 1, SpriteH - 1), "");
    for (int facing = 0; facing < 4; ++facing)
        for (int frame = 0; frame < 3; ++frame) {
            const QImage s = sprite(frame, facing);
            // the figure stands in the middle; its corners show the floor
            EXPECT_EQ(s.pixel(0, 0), floor) << facing << "/" << frame;
            EXPECT_EQ(s.pixel(SpriteW - 1, 0), floor) << facing << "/" << frame;
            int figure = 0;
            for (int y = 0; y < SpriteH; ++y)
                for (int x = 0; x < SpriteW; ++x)
                    figure += s.pixel(x, y) != floor;
            EXPECT_GT(figure, 60) << facing << "/" << frame;
        }
}

TEST_F(LabyrinthPicture, TwelveWalkFramesAreAllDifferent) {
    for (int a = 0; a < 12; ++a)
        for (int b = a + 1; b < 12; ++b)
            EXPECT_NE(sprite(a % 3, a / 3), sprite(b % 3, b / 3)) << "frames " << a << " and " << b;
}

TEST_F(LabyrinthPicture, WallTilesHaveNoFloorWhereThePlayerCannotGo) {
    // a corridor closed to one side shows wall at that side's edge
    for (int kind = 0; kind <= 20; ++kind) {
        const int o = kind <= 15 ? Openings[kind] : 0;
        const int left = tileX(kind), top = tileY(kind);
        const int mid = Tile / 2;
        if (!(o & OpenNorth)) {
            EXPECT_NE(pic.pixel(left + mid, top), floor) << kind;
        }
        if (!(o & OpenSouth)) {
            EXPECT_NE(pic.pixel(left + mid, top + Tile - 1), floor) << kind;
        }
        if (!(o & OpenWest)) {
            EXPECT_NE(pic.pixel(left, top + mid), floor) << kind;
        }
        if (!(o & OpenEast)) {
            EXPECT_NE(pic.pixel(left + Tile - 1, top + mid), floor) << kind;
        }
    }
}

TEST_F(LabyrinthPicture, OpenDoorsLookDifferentFromClosedOnes) {
    for (int kind = 11; kind <= 14; ++kind)
        EXPECT_NE(pic.copy(tileX(kind), tileY(kind), Tile, Tile), pic.copy(tileX(kind), tileY(kind, true), Tile, Tile))
            << kind;
}

}  // namespace
