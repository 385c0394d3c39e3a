// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Conversion of library byte text to display text (UTF-8) and the UTF-16 name ordering.

#include <string>
#include <string_view>

namespace UtilText {

// True when the bytes are well-formed UTF-8 (no overlong forms, surrogates or values above
// U+10FFFF).
bool IsValidUtf8(std::string_view bytes);

// Library text as display text: kept as it is when it is valid UTF-8, otherwise decoded as
// Windows-1252 (files made on Windows keep their accents). Always returns valid UTF-8.
std::string FromLibraryText(std::string_view bytes);

// Orders two UTF-8 texts by their UTF-16 code units, ordinal and case-sensitive ("Zoo" before
// "apple"; U+FFFD before U+10000). Returns <0, 0 or >0.
int CompareUtf16(std::string_view a, std::string_view b);

}   // namespace UtilText
