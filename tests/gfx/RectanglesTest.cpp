// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "gfx/Rectangles.h"

using Gdiplus::Rect;

TEST(Rectangles, FitOrCenterCentresWhenTheBoxIsLargeAndFitsOtherwise) {
    EXPECT_EQ(FitOrCenter(10, 20, 400, 400, 300, 200), Rect(60, 120, 300, 200));
    EXPECT_EQ(FitOrCenter(10, 20, 300, 200, 300, 200), Rect(10, 20, 300, 200));
    EXPECT_EQ(FitOrCenter(10, 20, 150, 400, 300, 200), Rect(10, 170, 150, 100));
    // A box too low but wide enough still reduces, centred horizontally.
    EXPECT_EQ(FitOrCenter(0, 0, 400, 100, 300, 200), Rect(125, 0, 150, 100));
    // A picture without pixels in a window too small for the box: nothing to divide by.
    EXPECT_EQ(FitOrCenter(10, 20, -4, -70, 0, 0), Rect(10, 20, 0, 0));
}

TEST(Rectangles, UnionRectReportsWhetherTheResultHasArea) {
    struct Case {
        Rect a, b, expected;
        bool nonEmpty;
    };
    const Case cases[] = {
        {{0, 0, 10, 10}, {20, 5, 10, 10}, {0, 0, 30, 15}, true},
        {{-5, -5, 2, 2}, {0, 0, 1, 1}, {-5, -5, 6, 6}, true},
        {{3, 3, 0, 5}, {3, 4, 0, 1}, {3, 3, 0, 5}, false},
    };
    for (const Case& c : cases) {
        Rect result;
        EXPECT_EQ(UnionRect(result, c.a, c.b), c.nonEmpty);
        EXPECT_EQ(result, c.expected);
    }
}

TEST(Rectangles, AreaRectKeepsProportionsAndRoundsHalfAwayFromZero) {
    EXPECT_EQ(AreaRect(1200, 4, 3), Rect(0, 0, 40, 30));
    EXPECT_EQ(AreaRect(30000, 300, 100), Rect(0, 0, 300, 100));
    // 40 % of a 1000 x 800 window for a 3 : 2 picture: k = sqrt(320000 / 6) = 230.94...
    EXPECT_EQ(AreaRect(320000, 3, 2), Rect(0, 0, 693, 462));

    struct Case {
        float value;
        int32_t expected;
    };
    const Case cases[] = {{0.35f, 0},
                          {1.5f, 2},
                          {2.5f, 3},
                          {5.25f, 5},
                          {18.75f, 19},
                          {3.0f, 3},
                          {-2.5f, -3},
                          {-0.4f, 0},
                          // 0 / 0 and overflowing quotients of a picture without pixels
                          {std::nanf(""), 0},
                          {INFINITY, INT32_MAX},
                          {-3e9f, INT32_MIN}};
    for (const Case& c : cases)
        EXPECT_EQ(RoundHalfAwayFromZero(c.value), c.expected) << c.value;
}
