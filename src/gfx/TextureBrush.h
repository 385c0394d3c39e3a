// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A brush that paints a bitmap, repeated in every direction with the tile wrap mode.

#include <memory>

#include "gfx/Brush.h"
#include "gfx/Matrix.h"

namespace Gdiplus {

class Bitmap;

namespace Detail {
class PatternHolder;
struct Access;
}   // namespace Detail

class TextureBrush : public Brush {
public:
    // The brush shares the bitmap's pixels (no copy); they stay valid for the brush's life even
    // when the Bitmap object is deleted first. The texture's pixel (0, 0) lies at world (0, 0)
    // until the brush transform moves it. The texture is sampled without smoothing.
    explicit TextureBrush(Bitmap* image, WrapMode wrapMode = WrapModeTile);
    ~TextureBrush() override;

    Status SetWrapMode(WrapMode mode);
    WrapMode GetWrapMode() const { return wrapMode; }

    // The brush transform maps texture pixels to world coordinates.
    Status TranslateTransform(float dx, float dy, MatrixOrder order = MatrixOrderPrepend);
    Status SetTransform(const Matrix* matrix);
    Status GetTransform(Matrix* matrix) const;
    Status ResetTransform();

private:
    friend struct Detail::Access;   // the drawing layer's own way to the pattern

    void UpdatePattern();

    std::unique_ptr<Detail::PatternHolder> pattern;   // null when the image was unusable
    WrapMode wrapMode;
    Matrix transform;
};

}   // namespace Gdiplus
