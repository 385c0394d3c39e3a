// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The play page on a 1280 x 800 window with a sample picture cut 7 along its long side: just
// scattered, and assembled with the completion panel up.

#include <memory>

#include "Scene.h"

class Board;

std::unique_ptr<Scene> MakePlayScene(Board& board);
std::unique_ptr<Scene> MakePlaySolvedScene(Board& board);
