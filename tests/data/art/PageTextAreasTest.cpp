// SPDX-License-Identifier: GPL-3.0-or-later
// White text is written over the page pictures and black text over the
// message background: each label rectangle must leave it readable.
#include "support/PictureFiles.h"

#include <QColor>
#include <QRect>
#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

using namespace datatest;

namespace {

// Label rectangles of the page windows and of the windows that show b4.
const std::vector<QRect> HelpLabels = {{10, 20, 380, 25}, {10, 60, 380, 109}, {10, 144, 380, 109}, {10, 172, 380, 109}};
const std::vector<QRect> CorridorLabels = {{10, 196, 380, 97}, {10, 220, 380, 70}, {40, 68, 321, 69},
                                           {40, 148, 321, 69}, {8, 20, 385, 49},   {44, 72, 313, 89},
                                           {32, 164, 345, 49}, {56, 212, 289, 25}, {36, 240, 329, 29},
                                           {64, 48, 277, 93},  {44, 156, 313, 69}, {36, 24, 329, 93},
                                           {36, 124, 329, 25}, {44, 164, 313, 93}};
const std::vector<QRect> CourtLabels = {{44, 48, 321, 105}, {44, 176, 321, 41}, {44, 32, 317, 121},
                                        {36, 176, 329, 77}, {28, 40, 337, 89},  {28, 152, 349, 69},
                                        {56, 24, 297, 69}};
const std::vector<QRect> DoorRoomLabels = {{52, 44, 297, 77}, {52, 136, 297, 93}};
const std::vector<QRect> ThroneLabels = {{56, 48, 297, 77}, {44, 132, 313, 93}, {52, 36, 297, 69},
                                         {44, 112, 313, 69}, {44, 192, 317, 49}};

// Share of pixels brighter than white text can stand out against.
double brightShare(const QImage &img, const QRect &r) {
    int bright = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QColor c = img.pixelColor(x, y);
            bright += 0.299 * c.red() + 0.587 * c.green() + 0.114 * c.blue() > 150;
        }
    return double(bright) / (r.width() * r.height());
}

void expectDarkUnder(const char *name, std::vector<QRect> labels, const std::vector<QRect> &more = {}) {
    SCOPED_TRACE(name);
    const QImage img = loadPicture(name);
    ASSERT_FALSE(img.isNull());
    labels.insert(labels.end(), more.begin(), more.end());
    for (const QRect &r : labels) {
        EXPECT_LT(meanLuminance(img, r), 80) << r.x() << "," << r.y() << " " << r.width() << "x" << r.height();
        EXPECT_LT(brightShare(img, r), 0.06) << r.x() << "," << r.y() << " " << r.width() << "x" << r.height();
    }
}

TEST(PageTextAreas, PagePicturesAreDarkUnderTheirLabels) {
    expectDarkUnder("b1.bmp", HelpLabels, DoorRoomLabels);
    expectDarkUnder("b3.bmp", HelpLabels, ThroneLabels);
    expectDarkUnder("b4.bmp", HelpLabels, CorridorLabels);
    expectDarkUnder("b7.bmp", HelpLabels, CourtLabels);
}

TEST(PageTextAreas, MessageBackgroundIsLightUnderItsText) {
    const QImage img = loadPicture("b6.bmp");
    ASSERT_FALSE(img.isNull());
    EXPECT_GT(meanLuminance(img, QRect(24, 20, 201, 93)), 190);
    EXPECT_GT(meanLuminance(img, QRect(20, 20, 209, 61)), 190);
}

}  // namespace
