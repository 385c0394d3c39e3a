// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A drawing context on a bitmap: transform, clip, smoothing, images, shapes, paths and text.

#include <memory>
#include <string>

#include "gfx/Color.h"
#include "gfx/GdiplusTypes.h"
#include "gfx/Matrix.h"

namespace Gdiplus {

class Bitmap;
class Brush;
class Font;
class GraphicsPath;
class Pen;
class StringFormat;

namespace Detail {
class Context;
}

class Graphics {
public:
    // Draws into the bitmap, which must outlive the graphics. A failed bitmap gives a graphics
    // whose status is InvalidParameter and whose calls do nothing.
    explicit Graphics(Bitmap* image);
    ~Graphics();
    Graphics(const Graphics&) = delete;
    Graphics& operator=(const Graphics&) = delete;

    Status GetLastStatus();
    // Finishes pending drawing so that the bitmap's pixels can be read.
    void Flush();

    Status SetSmoothingMode(SmoothingMode mode);
    SmoothingMode GetSmoothingMode() const { return smoothingMode; }
    Status SetTextRenderingHint(TextRenderingHint hint);
    TextRenderingHint GetTextRenderingHint() const { return textHint; }
    Status SetInterpolationMode(InterpolationMode mode);
    InterpolationMode GetInterpolationMode() const { return interpolationMode; }

    // World transform: maps world coordinates to the bitmap's pixels.
    Status TranslateTransform(float dx, float dy, MatrixOrder order = MatrixOrderPrepend);
    Status ScaleTransform(float sx, float sy, MatrixOrder order = MatrixOrderPrepend);
    Status MultiplyTransform(const Matrix* matrix, MatrixOrder order = MatrixOrderPrepend);
    Status SetTransform(const Matrix* matrix);
    Status GetTransform(Matrix* matrix) const;
    Status ResetTransform();

    // The clip is a rectangle given in world coordinates and kept in pixels: a later change of
    // the transform does not move it. Without a clip the whole bitmap is drawable.
    Status SetClip(const Rect& rect, CombineMode mode = CombineModeReplace);
    Status SetClip(const RectF& rect, CombineMode mode = CombineModeReplace);
    Status IntersectClip(const Rect& rect) { return SetClip(rect, CombineModeIntersect); }
    Status ResetClip();
    // The clip in world coordinates (the bitmap's area when there is no clip).
    Status GetClipBounds(Rect* rect) const;
    bool IsClipEmpty() const;

    Status Clear(const Color& color);   // every pixel inside the clip, replacing what was there

    Status FillRectangle(const Brush* brush, const RectF& rect);
    Status FillRectangle(const Brush* brush, const Rect& rect) { return FillRectangle(brush, RectF(rect)); }
    Status FillRectangle(const Brush* brush, int x, int y, int width, int height) {
        return FillRectangle(brush, RectF(Rect(x, y, width, height)));
    }
    // The outline of the rectangle from (x, y) to (x + width, y + height) inclusive, like the
    // one-pixel lines of a plain pen.
    Status DrawRectangle(const Pen* pen, const RectF& rect);
    Status DrawRectangle(const Pen* pen, const Rect& rect) { return DrawRectangle(pen, RectF(rect)); }
    Status DrawRectangle(const Pen* pen, int x, int y, int width, int height) {
        return DrawRectangle(pen, RectF(Rect(x, y, width, height)));
    }
    Status DrawLine(const Pen* pen, int x1, int y1, int x2, int y2);
    Status DrawLine(const Pen* pen, float x1, float y1, float x2, float y2);
    Status FillPath(const Brush* brush, const GraphicsPath* path);
    Status DrawPath(const Pen* pen, const GraphicsPath* path);

    // At a point the image is drawn unscaled, one bitmap pixel per world unit.
    Status DrawImage(Bitmap* image, int x, int y);
    Status DrawImage(Bitmap* image, float x, float y);
    Status DrawImage(Bitmap* image, const Rect& dest);   // the whole image scaled into dest
    Status DrawImage(Bitmap* image, int x, int y, int width, int height);
    Status DrawImage(Bitmap* image, const RectF& dest);
    // The source rectangle (in image pixels) scaled into dest.
    Status DrawImage(Bitmap* image, const Rect& dest, int srcX, int srcY, int srcWidth, int srcHeight,
                     Unit srcUnit = UnitPixel);

    // UTF-8 text laid out in the rectangle: wrapped at word boundaries to its width, aligned by
    // the format (near when there is none) and clipped to the rectangle.
    Status DrawString(const std::string& text, const Font* font, const RectF& layoutRect, const StringFormat* format,
                      const Brush* brush);
    Status DrawString(const char* text, int length, const Font* font, const RectF& layoutRect,
                      const StringFormat* format, const Brush* brush);
    // The rectangle the text of DrawString would cover, and how many lines it takes.
    Status MeasureString(const std::string& text, const Font* font, const RectF& layoutRect, const StringFormat* format,
                         RectF* boundingBox, int* linesFilled = nullptr);

private:
    Status Record(Status status);
    Status Ready();
    Status DrawScaled(Bitmap* image, const RectF& dest, const RectF& src);

    std::unique_ptr<Detail::Context> context;   // null when the bitmap was unusable
    Matrix transform;
    SmoothingMode smoothingMode = SmoothingModeDefault;
    TextRenderingHint textHint = TextRenderingHintSystemDefault;
    InterpolationMode interpolationMode = InterpolationModeDefault;
    Status lastStatus = Ok;
};

}   // namespace Gdiplus
