// SPDX-License-Identifier: GPL-3.0-or-later
#include "foundation/UtilText.h"

#include <cstdint>

namespace UtilText {

namespace {

// Windows-1252 for 0x80-0x9F; the five bytes the code page leaves undefined decode to the C1
// control with the same value, as the platform's own conversion does.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void AppendUtf8(std::string& out, uint32_t codePoint) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (codePoint >> 18));
        out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

// Decodes one well-formed UTF-8 sequence at pos and advances past it; returns false (pos
// unchanged) for anything malformed.
bool DecodeUtf8(std::string_view text, size_t& pos, uint32_t& codePoint) {
    const auto byte = [&](size_t i) { return static_cast<uint8_t>(text[i]); };
    const uint8_t lead = byte(pos);
    size_t length = 0;
    uint32_t minimum = 0;
    if (lead < 0x80) {
        codePoint = lead;
        ++pos;
        return true;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, minimum = 0x80, codePoint = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, minimum = 0x800, codePoint = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, minimum = 0x10000, codePoint = lead & 0x07;
    } else {
        return false;
    }
    if (pos + length > text.size())
        return false;
    for (size_t i = 1; i < length; ++i) {
        const uint8_t next = byte(pos + i);
        if ((next & 0xC0) != 0x80)
            return false;
        codePoint = (codePoint << 6) | (next & 0x3F);
    }
    if (codePoint < minimum || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return false;
    pos += length;
    return true;
}

// The first and (for code points above U+FFFF) second UTF-16 code unit of a code point.
uint32_t SortKey(uint32_t codePoint) {
    if (codePoint < 0x10000)
        return codePoint << 16;
    const uint32_t v = codePoint - 0x10000;
    const uint32_t high = 0xD800 + (v >> 10);
    const uint32_t low = 0xDC00 + (v & 0x3FF);
    return (high << 16) | low;
}

// Code point at pos for ordering; a malformed byte orders as itself (display text never has one).
uint32_t NextForOrdering(std::string_view text, size_t& pos) {
    uint32_t codePoint = 0;
    if (DecodeUtf8(text, pos, codePoint))
        return codePoint;
    return static_cast<uint8_t>(text[pos++]);
}

}   // namespace

bool IsValidUtf8(std::string_view bytes) {
    size_t pos = 0;
    uint32_t codePoint = 0;
    while (pos < bytes.size())
        if (!DecodeUtf8(bytes, pos, codePoint))
            return false;
    return true;
}

std::string FromLibraryText(std::string_view bytes) {
    if (IsValidUtf8(bytes))
        return std::string(bytes);
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        const auto b = static_cast<uint8_t>(c);
        AppendUtf8(out, b >= 0x80 && b <= 0x9F ? kWindows1252High[b - 0x80] : b);
    }
    return out;
}

int CompareUtf16(std::string_view a, std::string_view b) {
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        // Comparing the code-unit pairs of the two code points orders surrogates (supplementary
        // characters) before U+E000-U+FFFF, as UTF-16 does.
        const uint32_t x = SortKey(NextForOrdering(a, i));
        const uint32_t y = SortKey(NextForOrdering(b, j));
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (i < a.size())
        return 1;
    if (j < b.size())
        return -1;
    return 0;
}

}   // namespace UtilText
