// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "foundation/ApplicationException.h"
#include "library/UtilProperty.h"

TEST(GetProperty, FindsTheFirstPatternAndReadsToCrLfOrTheEnd) {
    struct Case {
        std::string text;
        const char* key;
        std::string value;
    };
    const Case cases[] = {
        {"Name=Alpha\r\nPuzzles=1,2", "Name", "Alpha"},
        {"Name=Alpha\r\nPuzzles=1,2", "Puzzles", "1,2"},             // last value runs to the end
        {"Name=Alpha\nPuzzles=1,2", "Name", "Alpha\nPuzzles=1,2"},   // a lone line feed is value
        {"Name=Alpha\nPuzzles=1,2", "Puzzles", "1,2"},
        {"Name=one\r\nName=two\r\n", "Name", "one"},   // first occurrence wins
        {"FileName=x\r\nName=y\r\n", "Name", "x"},     // matches inside a longer key
        {"Name= Alpha \r\n", "Name", " Alpha "},       // nothing is trimmed
        {"Name=a\rb\r\n", "Name", "a\rb"},
        {"Name=\r\nPuzzles=1", "Name", ""},          // empty is not missing
        {"name=low\r\nName=Up\r\n", "Name", "Up"},   // case-sensitive
    };
    for (const Case& c : cases)
        EXPECT_EQ(UtilProperty::GetProperty(c.text, c.key), c.value) << c.key << " in " << c.text;
}

TEST(GetProperty, MissingKeyRaisesAndSearchStopsAtAZeroByte) {
    const std::string afterZero("Name=a\0Puzzles=1", 16);
    EXPECT_EQ(UtilProperty::GetProperty(afterZero, "Name"), afterZero.substr(5));
    for (const std::string& text : {std::string("Puzzles=1"), std::string("Name"), afterZero}) {
        try {
            UtilProperty::GetProperty(text, text == afterZero ? "Puzzles" : "Name");
            ADD_FAILURE() << "found a key in " << text;
        } catch (const ApplicationException& e) {
            EXPECT_EQ(e.LocationText(), "UtilProperty::GetProperty (10)");
        }
    }
}

TEST(PropertyLists, SplitOnCommasAndDropWhatDoesNotParse) {
    using Tokens = std::vector<std::string_view>;
    EXPECT_EQ(UtilProperty::SplitList("3, 5,,x,7,"), (Tokens{"3", " 5", "x", "7"}));
    EXPECT_EQ(UtilProperty::SplitList(",,"), Tokens{});
    EXPECT_EQ(UtilProperty::SplitList(""), Tokens{});
    using Ids = std::vector<int32_t>;
    EXPECT_EQ(UtilProperty::ParseIdList("3, 5,,x,7,"), (Ids{3, 5, 7}));
    EXPECT_EQ(UtilProperty::ParseIdList(",12, 5,x,,12"), (Ids{12, 5, 12}));
    EXPECT_EQ(UtilProperty::ParseIdList("1\r,2,- 3,+,"), (Ids{2, -3}));
}
