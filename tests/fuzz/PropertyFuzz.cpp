// SPDX-License-Identifier: GPL-3.0-or-later
// The property text over arbitrary bytes and keys: UtilProperty::GetProperty finds the first
// "key=" before the text's first zero byte or raises its location text, and the list splitting
// of the value it gives keeps every byte that is not a separating comma.
// Input: the key, the separator, then the text.

#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "foundation/ApplicationException.h"
#include "foundation/Util.h"
#include "library/UtilProperty.h"

namespace {

// The first place the pattern starts at, looked for byte by byte.
size_t FirstMatch(std::string_view text, std::string_view pattern) {
    for (size_t at = 0; at + pattern.size() <= text.size(); ++at)
        if (text.compare(at, pattern.size(), pattern) == 0)
            return at;
    return std::string_view::npos;
}

void CheckValue(std::string_view text, std::string_view searchable, const std::string& pattern,
                const std::string& value) {
    const size_t keyAt = FirstMatch(searchable, pattern);
    FUZZ_CHECK(keyAt != std::string_view::npos);
    const std::string_view rest = text.substr(keyAt + pattern.size());
    // The value is the start of what follows the pattern, up to a "\r\n" or the text's end.
    FUZZ_CHECK(rest.substr(0, value.size()) == value);
    FUZZ_CHECK(value.size() == rest.size() || rest.substr(value.size(), 2) == "\r\n");
    const std::string_view searchedValue =
        std::string_view(value).substr(0, searchable.size() - (keyAt + pattern.size()));
    FUZZ_CHECK(searchedValue.find("\r\n") == std::string_view::npos);
}

void CheckList(std::string_view value) {
    const std::vector<std::string_view> tokens = UtilProperty::SplitList(value);
    size_t bytes = 0;
    for (const std::string_view token : tokens) {
        FUZZ_CHECK(!token.empty());
        FUZZ_CHECK(token.find(',') == std::string_view::npos);
        // Each token lies inside the value.
        FUZZ_CHECK(token.data() >= value.data() && token.data() + token.size() <= value.data() + value.size());
        bytes += token.size();
    }
    size_t commas = 0;
    for (const char c : value)
        commas += c == ',';
    FUZZ_CHECK(bytes + commas == value.size());

    const std::vector<int32_t> ids = UtilProperty::ParseIdList(value);
    size_t parsed = 0;
    for (const std::string_view token : tokens) {
        try {
            const int32_t id = Util::ParseInt(token);
            FUZZ_CHECK(parsed < ids.size() && ids[parsed] == id);
            ++parsed;
        } catch (const ArgumentException&) {
            // Dropped from the list as well.
        }
    }
    FUZZ_CHECK(parsed == ids.size());
}

}   // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<std::string_view> parts = Fuzz::SplitInput(data, size, 2);
    // Keys are zero-terminated texts to the lookup.
    const std::string key(parts[0].substr(0, parts[0].find('\0')));
    const std::string_view text = parts[1];
    const std::string_view searchable = text.substr(0, text.find('\0'));
    const std::string pattern = key + "=";
    try {
        const std::string value = UtilProperty::GetProperty(text, key.c_str());
        CheckValue(text, searchable, pattern, value);
        CheckList(value);
    } catch (const ApplicationException& e) {
        FUZZ_CHECK(e.LocationText() == "UtilProperty::GetProperty (10)");
        FUZZ_CHECK(FirstMatch(searchable, pattern) == std::string_view::npos);
    }
    CheckList(text);
    return 0;
}
