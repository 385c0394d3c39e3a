// SPDX-License-Identifier: GPL-3.0-or-later
#include "gfx/FontFamily.h"

#include <fontconfig/fontconfig.h>

#include <memory>
#include <set>
#include <strings.h>

#include "foundation/UniqueHandle.h"

namespace Gdiplus {

namespace {

using PatternPtr = UniqueHandle<FcPattern, FcPatternDestroy>;

bool IsGeneric(const std::string& name) {
    for (const char* generic : {"sans-serif", "sans", "serif", "monospace"})
        if (strcasecmp(name.c_str(), generic) == 0)
            return true;
    return false;
}

// True when fontconfig serves the name with the family itself or with a font that its
// configuration binds to the name as an equal (a metric-compatible stand-in), not with the
// general fallback that every unknown name gets.
bool FamilyAvailable(const std::string& name) {
    if (name.empty())
        return false;
    if (IsGeneric(name))
        return true;
    PatternPtr pattern(FcPatternCreate());
    if (!pattern)
        return false;
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(name.c_str()));
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());

    std::set<std::string> accepted;
    FcValue value;
    FcValueBinding binding;
    for (int i = 0; FcPatternGetWithBinding(pattern.get(), FC_FAMILY, i, &value, &binding) == FcResultMatch; ++i)
        if (value.type == FcTypeString && binding != FcValueBindingWeak)
            accepted.insert(reinterpret_cast<const char*>(value.u.s));

    FcResult result = FcResultNoMatch;
    PatternPtr match(FcFontMatch(nullptr, pattern.get(), &result));
    if (!match)
        return false;
    FcChar8* family = nullptr;
    for (int i = 0; FcPatternGetString(match.get(), FC_FAMILY, i, &family) == FcResultMatch; ++i)
        for (const std::string& want : accepted)
            if (strcasecmp(want.c_str(), reinterpret_cast<const char*>(family)) == 0)
                return true;
    return false;
}

}   // namespace

FontFamily::FontFamily(const std::string& name) : name(name) {
    if (!FamilyAvailable(name))
        status = FontFamilyNotFound;
}

const FontFamily* FontFamily::GenericSansSerif() {
    static const FontFamily sansSerif("sans-serif");
    return &sansSerif;
}

}   // namespace Gdiplus
