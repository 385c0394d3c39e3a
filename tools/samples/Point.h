// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A point on a canvas, in pixels.

struct Point {
    double x = 0, y = 0;
};
