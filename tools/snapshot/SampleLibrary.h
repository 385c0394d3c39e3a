// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sample library beside the tool as the game's session read it, the board the page scenes
// play on, and a navigator for them, which leads nowhere.

#include <string>

#include "pages/PageNavigator.h"

class Board;

// The first picture of the first category that has one; empty when there is none.
std::string FirstSamplePicture();

// Gives the board's classic cut longSide pieces and the board the first sample picture made
// into a play picture for a client of width x height; false when there is none.
bool PrepareSampleBoard(Board& board, int longSide, int width, int height);
