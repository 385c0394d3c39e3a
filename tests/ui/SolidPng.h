#pragma once
// Small theme files for tests: PNG images of one opaque colour.

#include <string>

#include "gfx/Color.h"

namespace UiTest {

void WriteSolidPng(const std::string& path, int width, int height, Gdiplus::ARGB color);

}  // namespace UiTest
