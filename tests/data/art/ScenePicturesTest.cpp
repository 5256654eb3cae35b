// SPDX-License-Identifier: GPL-3.0-or-later
// The scene pictures: format, size, and light where the game writes on them.
#include "support/PictureFiles.h"

#include <gtest/gtest.h>

using namespace datatest;

namespace {

struct Expected {
    const char *name;
    int width, height;
};

const Expected Pictures[] = {
    {"b0.bmp", 200, 150}, {"b1.bmp", 640, 315}, {"b3.bmp", 400, 300}, {"b4.bmp", 400, 300},
    {"b5.bmp", 594, 162}, {"b6.bmp", 250, 125}, {"b7.bmp", 400, 300},
};

TEST(ScenePictures, AreTwentyFourBitBitmapsOfAtLeastTheirSize) {
    for (const Expected &e : Pictures) {
        SCOPED_TRACE(e.name);
        EXPECT_EQ(bmpBitsPerPixel(e.name), 24);
        const QImage img = loadPicture(e.name);
        ASSERT_FALSE(img.isNull());
        EXPECT_GE(img.width(), e.width);
        EXPECT_GE(img.height(), e.height);
    }
}

}  // namespace
