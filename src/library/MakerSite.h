// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The maker's web addresses that the game and the pack remover open.

#include <string>

namespace MakerSite {

// The page of more puzzles ("Download Puzzles", the gallery's link).
const std::string& UrlMorePuzzles();
// The maker's list of other products.
const std::string& UrlOtherProducts();

}   // namespace MakerSite
