// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "gfx/Matrix.h"

using namespace Gdiplus;

TEST(Matrix, IntegerPointsRoundHalvesUpwards) {
    // floor(v + 0.5): halves go towards +infinity, also below zero.
    struct Case {
        float dx;
        int expected;
    };
    const Case cases[] = {{0.5f, 1},  {1.5f, 2},    {-0.5f, 0}, {-1.5f, -1}, {-2.5f, -2},
                          {0.49f, 0}, {-0.51f, -1}, {2.51f, 3}, {-2.49f, -2}};
    for (const Case& c : cases) {
        Matrix m(1.0f, 0.0f, 0.0f, 1.0f, c.dx, c.dx);
        Point p(0, 0);
        m.TransformPoints(&p);
        EXPECT_EQ(p, Point(c.expected, c.expected)) << "offset " << c.dx;
    }
}

TEST(Matrix, RotationAndScaleLayATemplateOntoASegment) {
    // A template of length 1000 laid onto the segment (100, 0) -> (100, 100): scale 0.1,
    // rotated a quarter turn, so template (500, -250) lands on (125, 50).
    Matrix m;
    m.SetElements(0.0f, 0.1f, -0.1f, 0.0f, 100.0f, 0.0f);
    Point points[3] = {{0, 0}, {500, -250}, {1000, 0}};
    m.TransformPoints(points, 3);
    EXPECT_EQ(points[0], Point(100, 0));
    EXPECT_EQ(points[1], Point(125, 50));
    EXPECT_EQ(points[2], Point(100, 100));
}

TEST(Matrix, PrependAppliesFirstAndAppendLast) {
    Matrix prepend(2.0f, 0.0f, 0.0f, 2.0f, 0.0f, 0.0f);
    prepend.Translate(10.0f, 0.0f);   // translate, then scale
    Matrix append(2.0f, 0.0f, 0.0f, 2.0f, 0.0f, 0.0f);
    append.Translate(10.0f, 0.0f, MatrixOrderAppend);   // scale, then translate
    PointF a(1.0f, 1.0f), b(1.0f, 1.0f);
    prepend.TransformPoints(&a);
    append.TransformPoints(&b);
    EXPECT_EQ(a, PointF(22.0f, 2.0f));
    EXPECT_EQ(b, PointF(12.0f, 2.0f));

    Matrix inverse = prepend;
    ASSERT_EQ(inverse.Invert(), Ok);
    inverse.TransformPoints(&a);
    EXPECT_EQ(a, PointF(1.0f, 1.0f));
    Matrix singular(0.0f, 0.0f, 0.0f, 0.0f, 1.0f, 1.0f);
    EXPECT_EQ(singular.Invert(), InvalidParameter);
}
