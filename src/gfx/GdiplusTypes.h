// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Value types and enumerations shared by the drawing layer: status codes, points, sizes, rectangles.

#include <algorithm>
#include <cstdint>

namespace Gdiplus {

using ARGB = uint32_t;
using REAL = float;
using INT = int;
using UINT = uint32_t;
using BYTE = uint8_t;

// Every drawing object keeps the status of its last failing call instead of throwing.
enum Status {
    Ok = 0,
    GenericError = 1,
    InvalidParameter = 2,
    OutOfMemory = 3,
    ObjectBusy = 4,
    InsufficientBuffer = 5,
    NotImplemented = 6,
    Win32Error = 7,
    WrongState = 8,
    Aborted = 9,
    FileNotFound = 10,
    ValueOverflow = 11,
    AccessDenied = 12,
    UnknownImageFormat = 13,
    FontFamilyNotFound = 14,
    FontStyleNotFound = 15,
    NotTrueTypeFont = 16,
    UnsupportedGdiplusVersion = 17,
    GdiplusNotInitialized = 18,
    PropertyNotFound = 19,
    PropertyNotSupported = 20,
};

// Default, HighSpeed and None draw without anti-aliasing (hard edges, alpha 0 or 255 only);
// HighQuality and the AntiAlias modes smooth the edges of paths and lines.
enum SmoothingMode {
    SmoothingModeInvalid = -1,
    SmoothingModeDefault = 0,
    SmoothingModeHighSpeed = 1,
    SmoothingModeHighQuality = 2,
    SmoothingModeNone = 3,
    SmoothingModeAntiAlias = 4,
    SmoothingModeAntiAlias8x8 = 5,
};

enum TextRenderingHint {
    TextRenderingHintSystemDefault = 0,
    TextRenderingHintSingleBitPerPixelGridFit = 1,
    TextRenderingHintSingleBitPerPixel = 2,
    TextRenderingHintAntiAliasGridFit = 3,
    TextRenderingHintAntiAlias = 4,
    TextRenderingHintClearTypeGridFit = 5,
};

// How scaled images are resampled; unscaled draws at whole pixels are always exact copies.
enum InterpolationMode {
    InterpolationModeDefault = 0,
    InterpolationModeLowQuality = 1,
    InterpolationModeHighQuality = 2,
    InterpolationModeBilinear = 3,
    InterpolationModeBicubic = 4,
    InterpolationModeNearestNeighbor = 5,
    InterpolationModeHighQualityBilinear = 6,
    InterpolationModeHighQualityBicubic = 7,
};

enum FillMode { FillModeAlternate = 0, FillModeWinding = 1 };

enum MatrixOrder { MatrixOrderPrepend = 0, MatrixOrderAppend = 1 };

enum WrapMode {
    WrapModeTile = 0,
    WrapModeTileFlipX = 1,
    WrapModeTileFlipY = 2,
    WrapModeTileFlipXY = 3,
    WrapModeClamp = 4,
};

enum CombineMode { CombineModeReplace = 0, CombineModeIntersect = 1 };

enum Unit { UnitWorld = 0, UnitDisplay = 1, UnitPixel = 2, UnitPoint = 3 };

enum FontStyle {
    FontStyleRegular = 0,
    FontStyleBold = 1,
    FontStyleItalic = 2,
    FontStyleBoldItalic = 3,
};

enum StringAlignment { StringAlignmentNear = 0, StringAlignmentCenter = 1, StringAlignmentFar = 2 };

enum StringFormatFlags { StringFormatFlagsNoWrap = 0x1000, StringFormatFlagsNoClip = 0x4000 };

enum BrushType { BrushTypeSolidColor = 0, BrushTypeTextureFill = 2 };

// Both formats are stored premultiplied; GetPixel and SetPixel give and take straight colours for either.
enum PixelFormat { PixelFormat32bppARGB = 0x26200A, PixelFormat32bppPARGB = 0xE200B };

struct Point {
    Point() = default;
    Point(int x, int y) : X(x), Y(y) {}
    bool Equals(const Point& other) const { return X == other.X && Y == other.Y; }
    bool operator==(const Point&) const = default;
    int X = 0;
    int Y = 0;
};

struct PointF {
    PointF() = default;
    PointF(float x, float y) : X(x), Y(y) {}
    PointF(const Point& p) : X(static_cast<float>(p.X)), Y(static_cast<float>(p.Y)) {}
    bool Equals(const PointF& other) const { return X == other.X && Y == other.Y; }
    bool operator==(const PointF&) const = default;
    float X = 0.0f;
    float Y = 0.0f;
};

struct Size {
    Size() = default;
    Size(int width, int height) : Width(width), Height(height) {}
    bool operator==(const Size&) const = default;
    int Width = 0;
    int Height = 0;
};

struct SizeF {
    SizeF() = default;
    SizeF(float width, float height) : Width(width), Height(height) {}
    float Width = 0.0f;
    float Height = 0.0f;
};

// Integer rectangle: left, top, width, height; right and bottom are exclusive.
struct Rect {
    Rect() = default;
    Rect(int x, int y, int width, int height) : X(x), Y(y), Width(width), Height(height) {}

    int GetLeft() const { return X; }
    int GetTop() const { return Y; }
    int GetRight() const { return X + Width; }
    int GetBottom() const { return Y + Height; }
    bool IsEmptyArea() const { return Width <= 0 || Height <= 0; }
    bool Contains(int x, int y) const { return x >= X && x < X + Width && y >= Y && y < Y + Height; }
    // The whole of r lies inside.
    bool Contains(const Rect& r) const {
        return r.X >= X && r.Y >= Y && r.GetRight() <= GetRight() && r.GetBottom() <= GetBottom();
    }
    bool Equals(const Rect& other) const { return *this == other; }
    bool operator==(const Rect&) const = default;

    // The overlap of a and b; false (and an empty c) when they do not overlap.
    static bool Intersect(Rect& c, const Rect& a, const Rect& b) {
        const int left = std::max(a.X, b.X), top = std::max(a.Y, b.Y);
        const int right = std::min(a.GetRight(), b.GetRight());
        const int bottom = std::min(a.GetBottom(), b.GetBottom());
        c = Rect(left, top, right - left, bottom - top);
        return !c.IsEmptyArea();
    }

    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
};

struct RectF {
    RectF() = default;
    RectF(float x, float y, float width, float height) : X(x), Y(y), Width(width), Height(height) {}
    RectF(const Rect& r)
        : X(static_cast<float>(r.X)),
          Y(static_cast<float>(r.Y)),
          Width(static_cast<float>(r.Width)),
          Height(static_cast<float>(r.Height)) {}

    float GetLeft() const { return X; }
    float GetTop() const { return Y; }
    float GetRight() const { return X + Width; }
    float GetBottom() const { return Y + Height; }
    bool IsEmptyArea() const { return Width <= 0.0f || Height <= 0.0f; }
    bool operator==(const RectF&) const = default;

    float X = 0.0f;
    float Y = 0.0f;
    float Width = 0.0f;
    float Height = 0.0f;
};

}   // namespace Gdiplus
