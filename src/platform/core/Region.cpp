// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/Region.h"

#include <algorithm>

namespace Region {

bool IsEmpty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

RECT Intersect(const RECT& a, const RECT& b) {
    RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
    return IsEmpty(r) ? RECT{} : r;
}

RECT Union(const RECT& a, const RECT& b) {
    if (IsEmpty(a))
        return b;
    if (IsEmpty(b))
        return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

RECT Offset(RECT r, int dx, int dy) { return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }

void Subtract(Rects& region, const RECT& cut) {
    Rects result;
    for (const RECT& r : region) {
        const RECT overlap = Intersect(r, cut);
        if (IsEmpty(overlap)) {
            result.push_back(r);
            continue;
        }
        if (r.top < overlap.top)
            result.push_back({r.left, r.top, r.right, overlap.top});
        if (overlap.bottom < r.bottom)
            result.push_back({r.left, overlap.bottom, r.right, r.bottom});
        if (r.left < overlap.left)
            result.push_back({r.left, overlap.top, overlap.left, overlap.bottom});
        if (overlap.right < r.right)
            result.push_back({overlap.right, overlap.top, r.right, overlap.bottom});
    }
    region.swap(result);
}

void Clip(Rects& region, const RECT& clip) {
    Rects result;
    for (const RECT& r : region) {
        const RECT overlap = Intersect(r, clip);
        if (!IsEmpty(overlap))
            result.push_back(overlap);
    }
    region.swap(result);
}

}   // namespace Region
