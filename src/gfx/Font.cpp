// SPDX-License-Identifier: GPL-3.0-or-later
#include "gfx/Font.h"

#include "gfx/FontFamily.h"
#include "gfx/detail/CairoDetail.h"

namespace Gdiplus {

const Detail::FontDescription& Detail::Access::Description(const Font& font) { return *font.description; }

Font::Font(const FontFamily* family, float emSize, int style, Unit unit)
    : familyName(family ? family->GetFamilyName() : std::string()), emSize(emSize), style(style), unit(unit) {
    if (!family || !family->IsAvailable())
        status = FontFamilyNotFound;
    Build(status == Ok ? familyName : FontFamily::GenericSansSerif()->GetFamilyName());
}

Font::Font(const std::string& familyName, float emSize, int style, Unit unit)
    : familyName(familyName), emSize(emSize), style(style), unit(unit) {
    const FontFamily family(familyName);
    if (!family.IsAvailable())
        status = FontFamilyNotFound;
    Build(status == Ok ? familyName : FontFamily::GenericSansSerif()->GetFamilyName());
}

Font::~Font() = default;

float Font::GetPixelSize() const { return unit == UnitPoint ? emSize * 96.0f / 72.0f : emSize; }

void Font::Build(const std::string& family) {
    if (!(emSize > 0.0f) && status == Ok)
        status = InvalidParameter;
    PangoFontDescription* d = pango_font_description_new();
    pango_font_description_set_family(d, family.c_str());
    pango_font_description_set_absolute_size(d, double(GetPixelSize() > 0.0f ? GetPixelSize() : 1.0f) * PANGO_SCALE);
    pango_font_description_set_weight(d, (style & FontStyleBold) ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_font_description_set_style(d, (style & FontStyleItalic) ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
    description = std::make_unique<Detail::FontDescription>(d);
}

}   // namespace Gdiplus
