// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A picture of the theme's images put together the way the game places them, for review.

#include <string>

namespace ThemeArt {

// Loads the images from the two folders (each ending in '/') as the game would, lays out the
// strips, buttons, slider and magnifier with their captions, and writes a PNG. Returns false
// when an image is missing or the file cannot be written.
bool WriteContactSheet(const std::string& themeFolder, const std::string& uiFolder, const std::string& outPath);

}   // namespace ThemeArt
