// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One colour of a gradient, at `offset` 0..1 along it.

#include "Colour.h"

struct GradientStop {
    double offset = 0;
    Colour colour;
};
