// SPDX-License-Identifier: GPL-3.0-or-later
// Every picture, the clip and the sounds are drawn from these numbers: a
// change to a hash feed, a blend or the stream repaints every file made
// with it.
#include "data/kit/Hash.h"
#include "data/kit/NoiseStream.h"
#include "data/kit/ValueNoise.h"

#include <gtest/gtest.h>

TEST(DataKitNoise, EachKindGivesTheNumbersItsFilesWereMadeWith) {
    EXPECT_EQ(kit::spreadHash(-7, 12, 31), 2376673232u);
    EXPECT_EQ(kit::spreadUnit(54, -3, 100), 0.58541667461395264);
    EXPECT_EQ(kit::chainedUnit(-9, 40, 77), 0.86467682508688126);
    EXPECT_EQ(kit::pairUnit(12, 97), 0.24822);
    EXPECT_EQ(kit::smoothSpreadNoise(13.5, -7.25, 6, 61), 0.34167046396032674);
    EXPECT_EQ(kit::smoothChainedNoise(3.3, -1.7, 17), 0.25319332596262245);
    EXPECT_EQ(kit::fbm(0.7, 2.9, 31, 3), 0.50365392909030704);

    kit::NoiseStream fromEleven(11);
    EXPECT_EQ(fromEleven.next(), -0.99861509585720842);
    kit::NoiseStream fromZero(0);  // a zero state would stay zero for ever
    fromZero.next();
    EXPECT_EQ(fromZero.next(), 0.75141397066214455);
}
