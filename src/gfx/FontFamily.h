// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A font family looked up by name through the system's font configuration.

#include <string>

#include "gfx/GdiplusTypes.h"

namespace Gdiplus {

class FontFamily {
public:
    // Ok when the system has the family itself or a font configured to stand in for it with
    // the same metrics ("Arial" is served by Liberation Sans); FontFamilyNotFound otherwise.
    explicit FontFamily(const std::string& name);

    // The generic sans-serif family: always available, lives for the whole process.
    static const FontFamily* GenericSansSerif();

    const std::string& GetFamilyName() const { return name; }
    bool IsAvailable() const { return status == Ok; }
    Status GetLastStatus() const { return status; }

private:
    std::string name;
    Status status = Ok;
};

}   // namespace Gdiplus
