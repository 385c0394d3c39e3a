// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small theme files for tests: PNG images of one opaque colour.

#include <string>

#include "gfx/Color.h"
#include "ui/ImageState.h"
#include "ui/StyleId.h"

namespace UiTest {

void WriteSolidPng(const std::string& path, int width, int height, Gdiplus::ARGB color);
// Writes the image as the theme file that the style draws in the state, inside `folder`.
void WriteThemeImage(const std::string& folder, StyleId style, ImageState state, int width, int height,
                     Gdiplus::ARGB color);

}   // namespace UiTest
