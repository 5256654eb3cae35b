// SPDX-License-Identifier: GPL-3.0-or-later
#include "ColourChecks.h"
#include "data/pieces/BallBand.h"
#include "riddles/frame/RiddlePictureLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <vector>

using namespace piecestest;
using namespace datatest;

namespace {

class RiddlePicture : public ::testing::Test {
protected:
    void SetUp() override
    {
        pic = loadPicture("b2.bmp");
        ASSERT_FALSE(pic.isNull()) << "b2.bmp is missing";
    }

    // A sprite drawn by AND with its mask and OR with itself only works if
    // the two are exact complements: black sprite where the mask is white,
    // coloured sprite where the mask is black, and nothing else in the mask.
    void expectMaskFits(int spriteX, int spriteY, int maskX, int maskY, int w, int h, const char *what)
    {
        int covered = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const QRgb m = pic.pixel(maskX + x, maskY + y) & 0xFFFFFF;
                const QRgb s = pic.pixel(spriteX + x, spriteY + y);
                ASSERT_TRUE(m == 0 || m == 0xFFFFFF) << what << ": mask pixel neither black nor white at " << x << "," << y;
                if (m == 0xFFFFFF)
                    EXPECT_TRUE(isBlack(s)) << what << ": colour outside the mask at " << x << "," << y;
                else {
                    EXPECT_FALSE(isBlack(s)) << what << ": black hole inside the mask at " << x << "," << y;
                    ++covered;
                }
            }
        EXPECT_GT(covered, w * h / 2) << what << ": the shape is too small";
    }

    QImage pic;
};

TEST_F(RiddlePicture, IsA24BitBitmapCoveringEveryRegion)
{
    EXPECT_EQ(bmpBitsPerPixel("b2.bmp"), 24);
    EXPECT_GE(pic.width(), 300);
    EXPECT_GE(pic.height(), 348);
}

TEST_F(RiddlePicture, BallsAndGemsFitTheirMasks)
{
    for (int k = 0; k < 8; ++k)
        expectMaskFits(28 * k, 320, 224, 320, 28, 28, qPrintable(QString("ball %1").arg(k)));
    expectMaskFits(287, 318, 287, 338, 12, 10, "gem");
    expectMaskFits(287, 328, 287, 338, 12, 10, "turquoise gem");
}

TEST_F(RiddlePicture, EightBallColoursAreFarApart)
{
    std::vector<Lab> colours;
    for (int k = 0; k < 8; ++k) {
        double r = 0, g = 0, b = 0;
        int n = 0;
        for (int y = 0; y < 28; ++y)
            for (int x = 0; x < 28; ++x)
                if (isBlack(pic.pixel(224 + x, 320 + y))) {
                    const QRgb p = pic.pixel(28 * k + x, 320 + y);
                    r += qRed(p), g += qGreen(p), b += qBlue(p), ++n;
                }
        colours.push_back(toLab(r / n, g / n, b / n));
    }
    for (int i = 0; i < 8; ++i)
        for (int j = i + 1; j < 8; ++j)
            EXPECT_GT(deltaE(colours[i], colours[j]), 30.0) << "balls " << i << " and " << j << " look alike";
}

TEST_F(RiddlePicture, TheDuelsGemsAreToldApartOnBothOfItsFields)
{
    // The mean colour inside the gem mask, and the gem's outline, which
    // must stand darker than either field of the duel.
    auto gemColour = [&](int top) {
        double r = 0, g = 0, b = 0;
        int n = 0;
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 12; ++x)
                if (isBlack(pic.pixel(287 + x, 338 + y))) {
                    const QRgb p = pic.pixel(287 + x, top + y);
                    r += qRed(p), g += qGreen(p), b += qBlue(p), ++n;
                }
        return toLab(r / n, g / n, b / n);
    };
    EXPECT_GT(deltaE(gemColour(318), gemColour(328)), 40.0);
    const double darkerField =
        std::min(meanLuminance(pic, QRect(32, 256, 32, 32)), meanLuminance(pic, QRect(32, 288, 32, 32)));
    for (int top : {318, 328}) {
        // the lower outline: the girdle's ends and the point
        for (const QPoint p : {QPoint(0, 3), QPoint(11, 4), QPoint(5, 9)}) {
            EXPECT_LT(luma(pic.pixel(287 + p.x(), top + p.y())), darkerField - 20.0)
                << "gem at " << top << ", outline " << p.x() << "," << p.y();
        }
    }
}

// Every pair of balls, gems and fields that a room asks the player to tell
// apart, seen with normal colour vision and with each of the three
// dichromacies. A ball or gem is measured inside its mask, a field over its
// whole square, by the mean of the light it sends (what the eye takes in
// from a little way off); the two must lie 20 apart in CIEDE2000. Where the
// named colours cannot get that far, the green ball's band parts them: on
// the band the two balls must lie 20 apart, and the band 20 apart from the
// rest of its ball.
TEST_F(RiddlePicture, WhatARoomAsksToTellApartStaysApartInEveryColourVision)
{
    using namespace riddle_art;
    // Published pairs of Sharma, Wu and Dalal keep the measure honest.
    EXPECT_NEAR(ciede2000({50, 2.6772, -79.7751}, {50, 0, -82.7485}), 2.0425, 1e-4);
    EXPECT_NEAR(ciede2000({50, 2.49, -0.001}, {50, -2.49, 0.0011}), 7.2195, 1e-4);
    EXPECT_NEAR(ciede2000({50, 2.5, 0}, {73, 25, -18}), 27.1492, 1e-4);

    // The pixels of an area of the picture that its mask (if any) shows and
    // that keep(x, y) keeps.
    auto area = [&](Pixel at, int w, int h, std::optional<Pixel> mask, auto keep) {
        QVector<QPoint> pixels;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if ((!mask || isBlack(pic.pixel(mask->x + x, mask->y + y))) && keep(x, y))
                    pixels.append(QPoint(at.x + x, at.y + y));
        return pixels;
    };
    auto all = [](int, int) { return true; };
    enum Part { Whole, OnBand, OffBand };
    auto ball = [&](int column, Part part = Whole) {
        return area(Ball(column), BallSize, BallSize, BallMask, [part](int x, int y) {
            return part == Whole || art::onBallBand(x + 0.5, y + 0.5) == (part == OnBand);
        });
    };
    auto gem = [&](Pixel at) { return area(at, GemWidth, GemHeight, GemMask, all); };
    auto field = [&](Pixel at) { return area(at, Square, Square, std::nullopt, all); };

    enum Column { Pearl = 0, Purple = 3, Red = 4, Green = 5, Blue = 6, Yellow = 7 };
    ASSERT_EQ(art::BandedBall, int(Green));
    const QVector<QPoint> band = ball(Green, OnBand), restOfBandedBall = ball(Green, OffBand);
    ASSERT_GE(band.size(), 60) << "the band is too thin to be seen";

    struct Apart {
        const char *what;
        QVector<QPoint> a, b;  // b is the band where the band parts them
        bool byBand = false;
    };
    const Apart pairs[] = {
        {"room 1, red and blue balls", ball(Red), ball(Blue)},
        {"rooms 4, 5 and 11, green and yellow balls", ball(Green), ball(Yellow)},
        {"rooms 5 and 9, red and yellow balls", ball(Red), ball(Yellow)},
        {"room 5, red and green balls", ball(Red, OnBand), band, true},
        {"room 12, pearl and purple balls", ball(Pearl), ball(Purple)},
        {"rooms 7 and 8, the chancellor's gem and the turquoise one", gem(RedGem), gem(TurquoiseGem)},
        {"room 9, the red and the yellow start fields", field(RoseMarble), field(Ochre)},
        {"room 9, the red start fields and the empty one", field(RoseMarble), field(Ebony)},
        {"room 9, the yellow start fields and the empty one", field(Ochre), field(Ebony)},
        {"room 8, the white square and the light one", field(IvoryMarble), field(Sandstone)},
        {"room 8, the white square and the dark one", field(IvoryMarble), field(DarkWalnut)},
        {"room 5, a corridor and the wall", field(Corridor), field(Sandstone)},
        {"room 5, a corridor and the wall's other square", field(Corridor), field(PaleSandstone)},
    };
    for (const Apart &p : pairs)
        for (Vision v : Visions) {
            SCOPED_TRACE(std::string(p.what) + ", " + visionName(v));
            EXPECT_GE(ciede2000(meanSeen(pic, p.a, v), meanSeen(pic, p.b, v)), 20.0);
            if (p.byBand) {
                EXPECT_GE(ciede2000(meanSeen(pic, band, v), meanSeen(pic, restOfBandedBall, v)), 20.0)
                    << "the band fades into its ball";
            }
        }
}

TEST_F(RiddlePicture, SquaresCarryWhatIsDrawnOnThem)
{
    // black letters and the white square on (0,256), white letters on (0,288)
    EXPECT_GT(meanLuminance(pic, QRect(0, 256, 32, 32)), 175.0);
    EXPECT_LT(meanLuminance(pic, QRect(0, 288, 32, 32)), 60.0);
    // cut lines are drawn black and white over (64,256) and (128,288)
    for (int x : {64, 128}) {
        const int y = x == 64 ? 256 : 288;
        EXPECT_GT(meanLuminance(pic, QRect(x, y, 32, 32)), 75.0) << x << "," << y;
        EXPECT_LT(meanLuminance(pic, QRect(x, y, 32, 32)), 180.0) << x << "," << y;
    }
    // the corridor square is as black as the ground of the balls copied onto it
    for (int y = 256; y < 288; ++y)
        for (int x = 192; x < 224; ++x)
            ASSERT_TRUE(isBlack(pic.pixel(x, y))) << "corridor not black at " << x << "," << y;
}

TEST_F(RiddlePicture, RoomNamesStayReadable)
{
    // black names on the light plaque, silver ones on the dark plaque
    EXPECT_GT(meanLuminance(pic, QRect(40, 22, 220, 21)), 170.0);
    EXPECT_LT(meanLuminance(pic, QRect(40, 128 + 22, 220, 21)), 70.0);
}

}  // namespace

namespace {

// The mean colour of a ball sprite (inside the mask) or of a square.
Lab MeanColour(const QImage& pic, int x0, int y0, int size, bool ballOnly)
{
    double r = 0, g = 0, b = 0;
    int n = 0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            if (ballOnly && !isBlack(pic.pixel(224 + x, 320 + y)))
                continue;
            const QRgb p = pic.pixel(x0 + x, y0 + y);
            r += qRed(p), g += qGreen(p), b += qBlue(p), ++n;
        }
    return toLab(r / n, g / n, b / n);
}

TEST_F(RiddlePicture, DraggedBallsStandOutFromTheSquaresTheyLieOn)
{
    struct OnSquare {
        int ball, squareX, squareY;
    };
    // The ball sprites of the drag rooms and every square each may lie on.
    // Mean colours are a rough measure (a ball's own shading takes it
    // towards any square): the pearl ball on sandstone, which reads well at
    // 1:1, is about 20 apart.
    const OnSquare pairs[] = {
        {0, 64, 256}, {0, 96, 256},                                    // restriction
        {5, 0, 256},  {5, 0, 288},  {7, 0, 256},  {7, 0, 288},         // alteration
        {4, 32, 256}, {4, 128, 256}, {4, 0, 288}, {7, 32, 256}, {7, 128, 256}, {7, 0, 288},  // confusion
        {6, 64, 256}, {6, 96, 256},                                    // loneliness
        {5, 96, 256}, {5, 32, 288}, {7, 96, 256}, {7, 32, 288},        // disappearance
    };
    for (const OnSquare& p : pairs) {
        const double d = deltaE(MeanColour(pic, 28 * p.ball, 320, 28, true), MeanColour(pic, p.squareX, p.squareY, 32, false));
        EXPECT_GT(d, 18.0) << "ball " << p.ball << " on the square at " << p.squareX << "," << p.squareY << " hardly stands out";
    }
}

}  // namespace
