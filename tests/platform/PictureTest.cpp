// The raster operations every sprite, mask and scroll is built from.
#include <gtest/gtest.h>

#include "platform/Picture.h"

namespace tarnwick {
namespace {

Picture Filled(int w, int h, QRgb colour) {
    Picture p;
    p.Create(w, h, colour);
    return p;
}

TEST(Picture, MaskAndSpriteLayABallOverWhateverIsBeneath) {
    // A 2 x 1 sprite: black outside (left), red inside (right); its mask is
    // white outside and black inside.
    Picture sprite = Filled(2, 1, 0xff000000);
    sprite.Image().setPixel(1, 0, 0xffff0000);
    Picture mask = Filled(2, 1, 0xffffffff);
    mask.Image().setPixel(1, 0, 0xff000000);

    Picture screen = Filled(4, 1, 0xff336699);
    CopyRect(screen, 1, 0, mask, 0, 0, 2, 1, RasterOp::And);
    CopyRect(screen, 1, 0, sprite, 0, 0, 2, 1, RasterOp::Or);
    EXPECT_EQ(screen.PixelAt(0, 0), 0xff336699u);  // untouched
    EXPECT_EQ(screen.PixelAt(1, 0), 0xff336699u);  // shows through the mask
    EXPECT_EQ(screen.PixelAt(2, 0), 0xffff0000u);  // the ball
    EXPECT_EQ(screen.PixelAt(3, 0), 0xff336699u);
}

TEST(Picture, CopiesAreClippedToBothPictures) {
    Picture src = Filled(4, 4, 0xff00ff00);
    Picture dst = Filled(3, 3, 0xff000000);
    CopyRect(dst, 2, 2, src, 0, 0, 4, 4);    // hangs over the right and bottom
    CopyRect(dst, -1, -1, src, 0, 0, 2, 2);  // hangs over the left and top
    CopyRect(dst, 0, 0, src, 3, 3, 9, 9);    // source runs out
    CopyRect(dst, 5, 5, src, 0, 0, 2, 2);    // wholly outside
    CopyRect(dst, 0, 2, src, -3, 0, 4, 1);   // source starts left of the picture
    EXPECT_EQ(dst.PixelAt(2, 2), 0xff00ff00u);
    EXPECT_EQ(dst.PixelAt(0, 0), 0xff00ff00u);
    EXPECT_EQ(dst.PixelAt(1, 0), 0xff000000u);
    EXPECT_EQ(dst.PixelAt(0, 1), 0xff000000u);
    EXPECT_EQ(dst.PixelAt(0, 2), 0xff000000u);
    EXPECT_EQ(dst.PixelAt(1, 1), 0xff000000u);
    Picture empty;
    CopyRect(empty, 0, 0, src, 0, 0, 2, 2);  // nothing to draw on: nothing happens
    CopyRect(dst, 0, 0, empty, 0, 0, 2, 2);
}

TEST(Picture, APictureScrollsOntoItselfWithoutSmearing) {
    // A column of four distinct rows moved down by one and up by one, and a
    // row moved right by one: each comes out as a clean shift.
    Picture p = Filled(1, 4, 0);
    for (int y = 0; y < 4; ++y) p.Image().setPixel(0, y, 0xff000000u | static_cast<QRgb>(y + 1));
    CopyRect(p, 0, 1, p, 0, 0, 1, 3);
    EXPECT_EQ(p.PixelAt(0, 1) & 0xff, 1u);
    EXPECT_EQ(p.PixelAt(0, 2) & 0xff, 2u);
    EXPECT_EQ(p.PixelAt(0, 3) & 0xff, 3u);
    CopyRect(p, 0, 0, p, 0, 1, 1, 3);
    EXPECT_EQ(p.PixelAt(0, 0) & 0xff, 1u);
    EXPECT_EQ(p.PixelAt(0, 2) & 0xff, 3u);

    Picture row = Filled(4, 1, 0);
    for (int x = 0; x < 4; ++x) row.Image().setPixel(x, 0, 0xff000000u | static_cast<QRgb>(x + 1));
    CopyRect(row, 1, 0, row, 0, 0, 3, 1);
    EXPECT_EQ(row.PixelAt(1, 0) & 0xff, 1u);
    EXPECT_EQ(row.PixelAt(3, 0) & 0xff, 3u);
}

TEST(Picture, AMissingOrDamagedFileLoadsNothing) {
    Picture p;
    EXPECT_FALSE(p.LoadBmp("/nonexistent/b5.bmp"));
    EXPECT_TRUE(p.IsEmpty());
    EXPECT_FALSE(p.LoadBmp("/proc/self/status"));
}

TEST(Picture, LinesLeaveOutTheirEndPointAndFillsAreClipped) {
    constexpr QRgb Black = 0xff000000, White = 0xffffffff;
    Picture p = Filled(6, 6, Black);
    DrawLine(p, 1, 1, 1, 4, White);  // down: rows 1..3
    DrawLine(p, 5, 5, 2, 5, White);  // leftwards: columns 3..5
    EXPECT_EQ(p.PixelAt(1, 1), White);
    EXPECT_EQ(p.PixelAt(1, 3), White);
    EXPECT_EQ(p.PixelAt(1, 4), Black);
    EXPECT_EQ(p.PixelAt(2, 5), Black);
    EXPECT_EQ(p.PixelAt(3, 5), White);
    EXPECT_EQ(p.PixelAt(5, 5), White);

    Picture q = Filled(4, 4, Black);
    FillRect(q, -2, -2, 4, 4, White);  // only (0..1, 0..1) lies inside
    FillRect(q, 9, 9, 3, 3, White);    // wholly outside
    EXPECT_EQ(q.PixelAt(1, 1), White);
    EXPECT_EQ(q.PixelAt(2, 2), Black);
    OutlineRect(q, 1, 1, 3, 3, 0xffff0000);
    EXPECT_EQ(q.PixelAt(3, 3), 0xffff0000u);
    EXPECT_EQ(q.PixelAt(2, 2), Black);  // the inside is left alone
}

}  // namespace
}  // namespace tarnwick
