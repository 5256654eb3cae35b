// SPDX-License-Identifier: GPL-3.0-or-later
// Scale factors rounded to whole numbers, so every picture pixel becomes an
// equal square block on the screen.
#include <gtest/gtest.h>

#include "platform/WholeScale.h"

using tarnwick::WholeScaleFactor;
using tarnwick::WholeScreenScaleFactors;

TEST(WholeScale, AFactorRoundsToTheNearestWholeNumberHalvesUp) {
    EXPECT_EQ(WholeScaleFactor("1"), "1");
    EXPECT_EQ(WholeScaleFactor("1.25"), "1");
    EXPECT_EQ(WholeScaleFactor("1.5"), "2");
    EXPECT_EQ(WholeScaleFactor("1.75"), "2");
    EXPECT_EQ(WholeScaleFactor("2.5"), "3");
    EXPECT_EQ(WholeScaleFactor("0.4"), "1");  // never below one
}

TEST(WholeScale, WhatIsNoPositiveNumberIsLeftAlone) {
    for (const char* odd : {"", "abc", "1.5x", "-2", "0", "nan", "inf"}) EXPECT_EQ(WholeScaleFactor(odd), odd) << odd;
    EXPECT_EQ(WholeScaleFactor("1e9"), "64");
}

TEST(WholeScale, ScreenListsKeepTheirNamesAndSeparators) {
    EXPECT_EQ(WholeScreenScaleFactors("1.5;2;1.2"), "2;2;1");
    EXPECT_EQ(WholeScreenScaleFactors("HDMI-1=1.5;DP-2=1"), "HDMI-1=2;DP-2=1");
    EXPECT_EQ(WholeScreenScaleFactors("1.5,1.5"), "2,2");
    EXPECT_EQ(WholeScreenScaleFactors(""), "");
    EXPECT_EQ(WholeScreenScaleFactors("1.5;"), "2;");
}
