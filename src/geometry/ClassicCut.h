// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's cut: a random interlocking tab or socket on every inner edge.

#include "geometry/SquarCut.h"

class ClassicCut : public SquarCut {
public:
    using SquarCut::SquarCut;

    // Tab-up or tab-down with equal chance, drawn from the game's random sequence.
    EdgeShape* InnerEdge() override;
};
