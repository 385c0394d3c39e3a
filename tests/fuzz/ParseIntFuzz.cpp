// SPDX-License-Identifier: GPL-3.0-or-later
// Util::ParseInt over arbitrary text: it returns a number or raises one of its own location
// texts, and never anything else. The expected outcome is worked out here from the text's
// shape; the value is checked against the standard library where the digits fit in 64 bits.

#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "foundation/ApplicationException.h"
#include "foundation/Util.h"

namespace {

bool Blank(char c) { return c == ' ' || c == '\t'; }
bool Digit(char c) { return c >= '0' && c <= '9'; }

struct Expected {
    const char* location = nullptr;   // null: a number
    std::string digits;
    bool negative = false;
};

Expected Expect(std::string_view text) {
    Expected expected;
    size_t pos = text.find_first_not_of(" \t");
    if (pos == std::string_view::npos)
        pos = text.size();
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+'))
        expected.negative = text[pos++] == '-';
    for (; pos < text.size(); ++pos) {
        if (Digit(text[pos]))
            expected.digits += text[pos];
        else if (!Blank(text[pos])) {
            expected.location = "Util::ParseInt (194)";
            return expected;
        }
    }
    if (expected.digits.empty())
        expected.location = "Util::ParseInt (203)";
    return expected;
}

void Check(std::string_view text, int32_t (*parse)(std::string_view)) {
    const Expected expected = Expect(text);
    try {
        const int32_t value = parse(text);
        FUZZ_CHECK(expected.location == nullptr);
        const size_t first = expected.digits.find_first_not_of('0');
        const std::string significant = first == std::string::npos ? "0" : expected.digits.substr(first);
        if (significant.size() <= 18) {
            const uint32_t magnitude = static_cast<uint32_t>(std::stoull(significant));
            FUZZ_CHECK(value == static_cast<int32_t>(expected.negative ? 0u - magnitude : magnitude));
        }
    } catch (const ArgumentException& e) {
        FUZZ_CHECK(expected.location != nullptr);
        FUZZ_CHECK(e.LocationText() == expected.location);
    }
}

int32_t ParseView(std::string_view text) { return Util::ParseInt(text); }

// The zero-terminated form reads up to the first zero byte.
int32_t ParseTerminated(std::string_view text) {
    const std::string copy(text);
    return Util::ParseInt(copy.c_str());
}

}   // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Check(text, ParseView);
    Check(text.substr(0, text.find('\0')), ParseTerminated);
    return 0;
}
