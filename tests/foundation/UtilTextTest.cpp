// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "foundation/UtilText.h"

TEST(LibraryText, KeepsUtf8AndDecodesAnythingElseAsWindows1252) {
    struct Case {
        std::string bytes;
        std::string display;
    };
    const Case cases[] = {
        {"Birds", "Birds"},
        {"caf\xC3\xA9", "caf\xC3\xA9"},                                         // valid UTF-8 stays
        {"\xF0\x9F\x90\xA6", "\xF0\x9F\x90\xA6"},                               // so does a 4-byte sequence
        {"caf\xE9", "caf\xC3\xA9"},                                             // Windows-1252 e acute
        {"\x80 \x8A\x9F", "\xE2\x82\xAC \xC5\xA0\xC5\xB8"},                     // euro, S caron, Y diaeresis
        {"\x81\x8D\x8F\x90\x9D", "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"},   // undefined: C1 codes
        {"\xC0\x80", "\xC3\x80\xE2\x82\xAC"},                                   // overlong form is not UTF-8
        {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},                       // nor is an encoded surrogate
        {"\xC3", "\xC3\x83"},                                                   // nor a cut-off sequence
    };
    for (const Case& c : cases) {
        const std::string display = UtilText::FromLibraryText(c.bytes);
        EXPECT_EQ(display, c.display) << c.bytes;
        EXPECT_TRUE(UtilText::IsValidUtf8(display));
    }
}

TEST(LibraryText, OrdersByUtf16CodeUnits) {
    struct Case {
        std::string a, b;
        int order;
    };
    const Case cases[] = {
        {"Zoo", "apple", -1},
        {"Cars", "animals", -1},
        {"Birds", "Birds", 0},
        {"Bird", "Birds", -1},
        {"a\xC3\xA9", "az", 1},   // U+00E9 after 'z'
        // U+10000 is D800 DC00 in UTF-16, so it sorts before U+FFFD although its UTF-8 is larger.
        {"\xF0\x90\x80\x80", "\xEF\xBF\xBD", -1},
        {"\xEE\x80\x80", "\xF4\x8F\xBF\xBF", 1},        // U+E000 after U+10FFFF
        {"\xF0\x90\x80\x80", "\xF0\x90\x80\x81", -1},   // same high surrogate, low decides
        {"\xED\x9F\xBF", "\xF0\x90\x80\x80", -1},       // U+D7FF before any surrogate pair
    };
    for (const Case& c : cases) {
        const int order = UtilText::CompareUtf16(c.a, c.b);
        EXPECT_EQ((order > 0) - (order < 0), c.order) << c.a << " vs " << c.b;
        const int reverse = UtilText::CompareUtf16(c.b, c.a);
        EXPECT_EQ((reverse > 0) - (reverse < 0), -c.order) << c.b << " vs " << c.a;
    }
}
