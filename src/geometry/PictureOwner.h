// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The holder of the play picture that cuts and pieces are made from (the board is the one owner).

#include "foundation/CPtr.h"
#include "gfx/Bitmap.h"

class PictureOwner {
public:
    // The play picture, 32-bit ARGB; replacing it deletes the old one.
    CPtr<Gdiplus::Bitmap> picture;

protected:
    PictureOwner() = default;
    ~PictureOwner() = default;
};
