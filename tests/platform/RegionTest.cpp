// SPDX-License-Identifier: GPL-3.0-or-later
// The window core's rectangle and region algebra, on hand-worked cases.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "platform/core/Region.h"

// At global scope, where the comparisons of gtest and std look for it.
static bool operator==(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

namespace {

std::string Text(const RECT& r) {
    std::ostringstream s;
    s << '{' << r.left << ',' << r.top << ',' << r.right << ',' << r.bottom << '}';
    return s.str();
}

std::string Text(const Region::Rects& region) {
    std::string s;
    for (const RECT& r : region)
        s += Text(r);
    return s.empty() ? "(empty)" : s;
}

// Regions are compared as sets of rectangles: the order of the bands is not part of the rule.
Region::Rects Sorted(Region::Rects region) {
    std::sort(region.begin(), region.end(), [](const RECT& a, const RECT& b) {
        return std::tie(a.top, a.left, a.bottom, a.right) < std::tie(b.top, b.left, b.bottom, b.right);
    });
    return region;
}

int64_t Area(const Region::Rects& region) {
    int64_t area = 0;
    for (const RECT& r : region)
        area += int64_t(r.right - r.left) * (r.bottom - r.top);
    return area;
}

TEST(RegionAlgebra, RectangleOperations) {
    struct Case {
        const char* what;
        RECT a, b;
        RECT intersect, unionOf;
    };
    const Case cases[] = {
        {"overlap", {0, 0, 10, 10}, {5, 5, 15, 20}, {5, 5, 10, 10}, {0, 0, 15, 20}},
        {"b inside a", {0, 0, 10, 10}, {2, 3, 4, 5}, {2, 3, 4, 5}, {0, 0, 10, 10}},
        // Touching edges share no pixel: right and bottom are exclusive.
        {"touching", {0, 0, 10, 10}, {10, 0, 20, 10}, {}, {0, 0, 20, 10}},
        {"apart", {0, 0, 2, 2}, {5, 5, 8, 9}, {}, {0, 0, 8, 9}},
        {"negative", {-10, -10, 0, 0}, {-5, -20, 5, -5}, {-5, -10, 0, -5}, {-10, -20, 5, 0}},
        // An empty rectangle takes no part in a union, wherever it lies.
        {"a empty", {50, 50, 50, 60}, {1, 2, 3, 4}, {}, {1, 2, 3, 4}},
        {"b inverted", {1, 2, 3, 4}, {9, 9, 5, 5}, {}, {1, 2, 3, 4}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Region::Intersect(c.a, c.b), c.intersect) << c.what << ": " << Text(Region::Intersect(c.a, c.b));
        EXPECT_EQ(Region::Union(c.a, c.b), c.unionOf) << c.what << ": " << Text(Region::Union(c.a, c.b));
    }
    EXPECT_TRUE(Region::IsEmpty({3, 3, 3, 9}));
    EXPECT_TRUE(Region::IsEmpty({3, 3, 2, 9}));
    EXPECT_FALSE(Region::IsEmpty({3, 3, 4, 4}));
    EXPECT_EQ(Region::Offset({1, 2, 3, 4}, -5, 10), (RECT{-4, 12, -2, 14}));
}

TEST(RegionAlgebra, SubtractLeavesDisjointBandsAroundTheCut) {
    struct Case {
        const char* what;
        Region::Rects region;
        RECT cut;
        Region::Rects expected;
    };
    const Case cases[] = {
        {"hole in the middle",
         {{0, 0, 10, 10}},
         {3, 4, 6, 8},
         {{0, 0, 10, 4}, {0, 8, 10, 10}, {0, 4, 3, 8}, {6, 4, 10, 8}}},
        {"corner", {{0, 0, 10, 10}}, {5, 5, 20, 20}, {{0, 0, 10, 5}, {0, 5, 5, 10}}},
        {"right strip", {{0, 0, 10, 10}}, {8, -1, 11, 11}, {{0, 0, 8, 10}}},
        {"covers all", {{0, 0, 10, 10}}, {-1, -1, 11, 11}, {}},
        {"apart", {{0, 0, 10, 10}}, {10, 0, 20, 10}, {{0, 0, 10, 10}}},
        {"empty cut", {{0, 0, 10, 10}}, {4, 4, 4, 8}, {{0, 0, 10, 10}}},
        {"two pieces, one hit", {{0, 0, 4, 4}, {10, 0, 14, 4}}, {12, 0, 20, 4}, {{0, 0, 4, 4}, {10, 0, 12, 4}}},
        {"empty region", {}, {0, 0, 5, 5}, {}},
    };
    for (const Case& c : cases) {
        Region::Rects region = c.region;
        Region::Subtract(region, c.cut);
        EXPECT_EQ(Sorted(region), Sorted(c.expected)) << c.what << ": " << Text(region);
        int64_t overlap = 0;
        for (const RECT& r : c.region)
            overlap += Area({Region::Intersect(r, c.cut)});
        EXPECT_EQ(Area(region), Area(c.region) - overlap) << c.what;
    }
}

TEST(RegionAlgebra, ClipKeepsOnlyWhatLiesInside) {
    struct Case {
        const char* what;
        Region::Rects region;
        RECT clip;
        Region::Rects expected;
    };
    const Case cases[] = {
        {"cuts each piece", {{0, 0, 10, 10}, {20, 0, 30, 10}}, {5, 2, 25, 8}, {{5, 2, 10, 8}, {20, 2, 25, 8}}},
        {"drops pieces outside", {{0, 0, 10, 10}, {20, 0, 30, 10}}, {0, 0, 15, 15}, {{0, 0, 10, 10}}},
        {"empty clip", {{0, 0, 10, 10}}, {5, 5, 5, 5}, {}},
    };
    for (const Case& c : cases) {
        Region::Rects region = c.region;
        Region::Clip(region, c.clip);
        EXPECT_EQ(Sorted(region), Sorted(c.expected)) << c.what << ": " << Text(region);
    }
}

// What a child that clips its siblings shows: its client area less each later visible
// sibling, as the window core computes it (parent client coordinates).
TEST(RegionAlgebra, ASiblingOnTopTakesItsShareOfTheRegion) {
    Region::Rects shown{{100, 50, 200, 130}};
    Region::Clip(shown, {0, 0, 300, 200});         // the parent's client area
    Region::Subtract(shown, {150, 0, 300, 90});    // a later sibling over the top right
    Region::Subtract(shown, {0, 120, 120, 200});   // and one over the bottom left
    EXPECT_EQ(Sorted(shown), Sorted({{100, 90, 200, 120}, {100, 50, 150, 90}, {120, 120, 200, 130}})) << Text(shown);
    EXPECT_EQ(Area(shown), 100 * 80 - 50 * 40 - 20 * 10);
}

}   // namespace
