// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A font: a family, an em size in the given unit and a style.

#include <memory>
#include <string>

#include "gfx/GdiplusTypes.h"

namespace Gdiplus {

class FontFamily;

namespace Detail {
class FontDescription;
struct Access;
}   // namespace Detail

class Font {
public:
    // A family that is not available gives a font with status FontFamilyNotFound that still
    // draws, with the generic sans-serif family.
    Font(const FontFamily* family, float emSize, int style = FontStyleRegular, Unit unit = UnitPoint);
    // The same by family name.
    Font(const std::string& familyName, float emSize, int style = FontStyleRegular, Unit unit = UnitPoint);
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    float GetSize() const { return emSize; }
    Unit GetUnit() const { return unit; }
    int GetStyle() const { return style; }
    const std::string& GetFamilyName() const { return familyName; }
    // The em size in device pixels (points are taken at 96 pixels per inch).
    float GetPixelSize() const;
    bool IsAvailable() const { return status == Ok; }
    Status GetLastStatus() const { return status; }

private:
    friend struct Detail::Access;   // the drawing layer's own way to the pango description

    void Build(const std::string& family);

    std::string familyName;
    float emSize;
    int style;
    Unit unit;
    Status status = Ok;
    std::unique_ptr<Detail::FontDescription> description;
};

}   // namespace Gdiplus
