// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/EdgeShape.h"

#include <cmath>

#include "gfx/Matrix.h"

void MapSegmentMatrix(Gdiplus::Matrix& matrix, int32_t templateLength, const GridVertex& start, const GridVertex& end) {
    const float dx = static_cast<float>(end.x - start.x);
    const float dy = static_cast<float>(end.y - start.y);
    const float length = std::sqrt(dx * dx + dy * dy);
    // Two vertices on one pixel (cells under a pixel wide) have no direction; collapsing the
    // template onto the start keeps NaN out of the path.
    float s = 0.0f, c = 1.0f, n = 0.0f;
    if (length > 0.0f) {
        s = length / static_cast<float>(templateLength);
        c = dx / length;
        n = dy / length;
    }
    matrix.SetElements(s * c, s * n, -s * n, s * c, static_cast<float>(start.x), static_cast<float>(start.y));
}
