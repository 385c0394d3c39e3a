// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How one grid line is drawn between two grid vertices; shared shape objects, never freed.

#include <cstdint>

#include "geometry/GridVertex.h"

namespace Gdiplus {
class GraphicsPath;
class Matrix;
}   // namespace Gdiplus

class EdgeShape {
public:
    // Appends the edge running from `from` to `to` to the path's current figure. The figure
    // starts exactly at `from` and ends exactly at `to`. Not re-entrant: shapes reuse a work array.
    virtual void AddToPath(Gdiplus::GraphicsPath& path, const GridVertex& from, const GridVertex& to) = 0;

    // False: the template is laid from the first vertex to the second. True: the partner that
    // lays it from the second to the first and walks it backwards.
    bool reversed = false;
    // Draws the same curve in the opposite direction; a symmetric shape is its own partner.
    EdgeShape* partner = nullptr;

protected:
    explicit EdgeShape(bool reversed) : reversed(reversed) {}
    // Shapes are shared and live for the whole run; nobody deletes one through the base.
    ~EdgeShape() = default;
    EdgeShape(const EdgeShape&) = delete;
    EdgeShape& operator=(const EdgeShape&) = delete;
};

// Sets the matrix that maps template point (0, 0) onto start and (templateLength, 0) onto end:
// a rotation onto the segment with one uniform scale. A zero-length segment maps every
// template point onto start.
void MapSegmentMatrix(Gdiplus::Matrix& matrix, int32_t templateLength, const GridVertex& start, const GridVertex& end);
