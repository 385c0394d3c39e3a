// SPDX-License-Identifier: GPL-3.0-or-later
// The anchor rule, top-down layout and the shared image fit.

#include <gtest/gtest.h>

#include "ColorBlock.h"
#include "ui/ContainerControl.h"
#include "gfx/Rectangles.h"

namespace {

using Gdiplus::Rect;
using UiTest::ColorBlock;

struct Anchors {
    Nullable<int> width = {}, height = {}, center = {}, left = {}, top = {}, right = {}, bottom = {};
};

void Apply(Control& c, const Anchors& a) {
    c.Width = a.width;
    c.Height = a.height;
    c.HorizontalCenter = a.center;
    c.Left = a.left;
    c.Top = a.top;
    c.Right = a.right;
    c.Bottom = a.bottom;
}

TEST(AnchorRule, PlacesControlsInTheParentRectangle) {
    const Nullable<int> none;
    struct Case {
        const char* name;
        Anchors anchors;
        Rect parent;
        Rect expected;
    };
    const Case cases[] = {
        {"no anchors, no size: parent's corner, 0 x 0", {}, {7, 9, 300, 200}, {7, 9, 0, 0}},
        {"no anchors, fixed size", {40, 20}, {7, 9, 300, 200}, {7, 9, 40, 20}},
        {"odd width centred in even parent", {101, 10, 0}, {0, 0, 300, 100}, {100, 0, 101, 10}},
        {"centre offset, parent not at origin", {50, 10, -30}, {10, 0, 200, 100}, {55, 0, 50, 10}},
        {"odd parent, odd width", {3, 1, 0}, {0, 0, 7, 1}, {2, 0, 3, 1}},
        {"centre wins over left and right", {40, 10, 5, 1, none, 1}, {0, 0, 100, 50}, {35, 0, 40, 10}},
        {"left and right stretch", {40, 10, none, 10, none, 20}, {5, 0, 100, 50}, {15, 0, 70, 10}},
        {"left and right wider than the parent", {40, 10, none, 60, none, 60}, {0, 0, 100, 50}, {60, 0, -20, 10}},
        {"left only", {40, 10, none, 12}, {100, 0, 300, 50}, {112, 0, 40, 10}},
        {"right only", {40, 10, none, none, none, 12}, {100, 0, 300, 50}, {348, 0, 40, 10}},
        {"top and bottom stretch", {40, 10, none, none, 5, none, 15}, {0, 20, 100, 50}, {0, 25, 40, 30}},
        {"top only", {40, 10, none, none, 5}, {0, 20, 100, 50}, {0, 25, 40, 10}},
        {"bottom only", {40, 10, none, none, none, none, 5}, {0, 20, 100, 50}, {0, 55, 40, 10}},
        {"negative width centres by truncation", {-3, 1, 0}, {0, 0, 10, 1}, {6, 0, -3, 1}},
    };
    for (const Case& c : cases) {
        ColorBlock control(nullptr, 0);
        Apply(control, c.anchors);
        const Rect& p = c.parent;
        EXPECT_EQ(control.ComputeBounds(p.X, p.Y, p.Width, p.Height), c.expected) << c.name;
    }
}

TEST(AnchorRule, ANegativeWidthIsNeverHit) {
    ColorBlock control(nullptr, 0);
    control.Bounds = Rect(60, 0, -20, 10);
    for (int x = 30; x < 90; ++x)
        EXPECT_FALSE(control.HitTest(x, 5)) << x;
}

TEST(AnchorRule, HitTestIncludesLeftAndTopOnly) {
    ColorBlock control(nullptr, 0);
    control.Bounds = Rect(10, 20, 5, 4);
    EXPECT_TRUE(control.HitTest(10, 20));
    EXPECT_TRUE(control.HitTest(14, 23));
    EXPECT_FALSE(control.HitTest(15, 20));
    EXPECT_FALSE(control.HitTest(10, 24));
    EXPECT_FALSE(control.HitTest(9, 20));
}

TEST(Layout, ChildrenSeeTheirParentsNewRectangle) {
    // root (fixed by hand) > panel (right half) > block (bottom-right corner of the panel).
    ContainerControl root(StyleId::Plain, nullptr);
    ContainerControl panel(StyleId::Plain, &root);
    ColorBlock block(&panel, 0);
    panel.Right = 0;
    panel.Top = 0;
    panel.Bottom = 0;
    panel.Width = 50;
    block.Right = 5;
    block.Bottom = 5;
    block.Width = 10;
    block.Height = 10;
    root.Children = {&panel};
    panel.Children = {&block};

    root.Bounds = Rect(0, 0, 200, 100);
    root.LayoutChildren();
    EXPECT_EQ(block.Bounds, Rect(185, 85, 10, 10));

    root.Bounds = Rect(0, 0, 400, 300);
    root.LayoutChildren();
    EXPECT_EQ(panel.Bounds, Rect(350, 0, 50, 300));
    EXPECT_EQ(block.Bounds, Rect(385, 285, 10, 10));
}

TEST(FitRect, KeepsProportionsAndCentres) {
    struct Case {
        int a, b, c, d, e, f;
        Rect expected;
    };
    const Case cases[] = {
        // A tall picture fitted into an 800 x 560 client box: 56 x 560, centred across.
        {100, 1000, 0, 0, 800, 560, {372, 0, 56, 560}},
        // A wide image in a square box: full width, centred down.
        {200, 100, 10, 20, 100, 100, {10, 45, 100, 50}},
        // Enlarged as well as reduced.
        {10, 10, 0, 0, 50, 40, {5, 0, 40, 40}},
        // A failed image has no proportions: nothing to draw, no division by zero.
        {0, 0, 3, 4, 50, 40, {3, 4, 0, 0}},
        {10, 0, 3, 4, 50, 40, {3, 4, 0, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FitRect(c.a, c.b, c.c, c.d, c.e, c.f), c.expected)
            << c.a << " x " << c.b << " into " << c.e << " x " << c.f;
}

}   // namespace
