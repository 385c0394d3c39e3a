// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The theme's images and the UI images: names, sizes and how each is drawn.

#include <cairo.h>

#include <functional>
#include <string>
#include <vector>

namespace ThemeArt {

// Sizes the toolkit's layout follows (a control's natural size is its image's size).
constexpr int kStripHeight = 40;
constexpr int kCapWidth = 22;       // a cap with a tab reaching out
constexpr int kFlatCapWidth = 12;   // the flat ends of the long strip
constexpr int kJointWidth = 32;

enum class Folder { Theme, Ui };

struct ThemeImage {
    std::string fileName;
    Folder folder;
    int width;
    int height;
    std::function<void(cairo_t*)> paint;   // draws onto a transparent surface of that size
};

// Every image the game loads: 18 theme files and 3 UI files.
std::vector<ThemeImage> AllImages();

// The files of the theme's table that AllImages does not draw; empty when it draws them all.
std::vector<std::string> UndrawnThemeFiles();

}   // namespace ThemeArt
