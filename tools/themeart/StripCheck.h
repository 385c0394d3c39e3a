// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Checks that the strip images meet seamlessly wherever the game places them edge to edge.

#include <string>
#include <vector>

namespace ThemeArt {

// Renders every image in memory and compares the touching edge columns of each pair of strip
// images that the game puts side by side. Returns the problems found (empty when all is well)
// and counts the pairs compared.
std::vector<std::string> CheckStripEdges(int& pairsChecked);

}   // namespace ThemeArt
