// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A cut pattern: how the play picture is divided into a grid of pieces.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "geometry/PictureOwner.h"

namespace Gdiplus {
class Graphics;
}
class Piece;

class Cut {
public:
    explicit Cut(PictureOwner* owner) : owner(owner) {}
    virtual ~Cut() = default;
    Cut(const Cut&) = delete;
    Cut& operator=(const Cut&) = delete;

    // Text describing the cut; empty for the abstract pattern.
    virtual std::string GetLabel() { return std::string(); }
    // Draws the cut lines in picture pixels with the picture's top left at (x, y); the width
    // and height are not used because the lines are never scaled.
    virtual void DrawPreview(Gdiplus::Graphics& graphics, int32_t x, int32_t y, int32_t width, int32_t height) = 0;
    // Replaces the pieces with a new cut of the current picture, row by row from the top.
    virtual void BuildPieces(std::vector<std::unique_ptr<Piece>>& pieces) = 0;

    // Not owned; the cut reads the play picture from it.
    PictureOwner* owner = nullptr;
    // Pieces along the picture's longer side; the set-up page's slider sets 2 to 25.
    int32_t longSideCount = 7;
};
