// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One corner of the cut grid, copied by value into pieces and groups.

#include <cstdint>

struct GridVertex {
    int32_t id = 0;   // (columns + 1) * row + column; pieces sharing an id are neighbours
    int32_t x = 0;    // position in play-picture pixels
    int32_t y = 0;
    bool border = false;   // on the picture's outer edge (first or last row or column)
};

static_assert(sizeof(GridVertex) == 16, "a plain 16-byte record, copied by value");
