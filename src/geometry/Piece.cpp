// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/Piece.h"

#include <memory>

#include "geometry/PieceOutline.h"
#include "gfx/Graphics.h"
#include "gfx/TextureBrush.h"

Piece::Piece(PictureOwner* owner, const std::array<GridVertex, 4>& vertices, const std::array<EdgeShape*, 4>& edges)
    : owner(owner), vertices(vertices), edges(edges) {
    outline.Reset(std::make_unique<Gdiplus::GraphicsPath>(Gdiplus::FillModeAlternate));
    BuildOutline(*outline, vertices, edges);
    outline->GetBounds(&bounds);

    image.Reset(std::make_unique<Gdiplus::Bitmap>(bounds.Width, bounds.Height, Gdiplus::PixelFormat32bppARGB));
    Gdiplus::Graphics graphics(image.Get());
    // No anti-aliasing: hard edges, so neighbouring pieces meet without a seam.
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeHighSpeed);
    Gdiplus::TextureBrush brush(owner->picture.Get(), Gdiplus::WrapModeTile);
    graphics.TranslateTransform(static_cast<float>(-bounds.X), static_cast<float>(-bounds.Y),
                                Gdiplus::MatrixOrderPrepend);
    graphics.FillPath(&brush, &*outline);
}

void Piece::Draw(Gdiplus::Graphics& graphics, int32_t offsetX, int32_t offsetY) const {
    graphics.DrawImage(&*image, offsetX + bounds.X, offsetY + bounds.Y);
}
