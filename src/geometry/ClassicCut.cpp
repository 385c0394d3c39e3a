// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/ClassicCut.h"

#include "geometry/EdgeShapeClassic.h"
#include "geometry/Random.h"

EdgeShape* ClassicCut::InnerEdge() {
    const int32_t r = Random::Next();
    const int32_t pick = static_cast<int32_t>(static_cast<double>(r) / Random::kRange * 2 + 0.0);
    return pick == 0 ? static_cast<EdgeShape*>(EdgeShapeClassic::TabUp())
                     : static_cast<EdgeShape*>(EdgeShapeClassic::TabDown());
}
