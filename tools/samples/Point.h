#pragma once
// A point on a canvas, in pixels.

struct Point {
    double x = 0, y = 0;
};
