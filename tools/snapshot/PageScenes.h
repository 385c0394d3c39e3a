// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The gallery and the set-up page on a 1280 x 800 window over the sample library: the gallery
// with its largest category selected, the set-up page with the first sample picture at the
// first difficulty.

#include <memory>

#include "Scene.h"

class Board;

std::unique_ptr<Scene> MakeGalleryScene(Board& board);
std::unique_ptr<Scene> MakeSetupScene(Board& board);
