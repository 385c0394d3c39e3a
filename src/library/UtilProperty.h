// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Key lookup and number lists in the library's property texts ("Key=Value" pairs).

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace UtilProperty {

// The value after the first "key=" in the text (searched up to its first zero byte), running to
// the next "\r\n" or to the end of the text, untrimmed. Raises
// "UtilProperty::GetProperty (10)" when the key is missing.
std::string GetProperty(std::string_view text, const char* key);

// Calls back with each comma-separated token of a list value, in order; runs of commas produce
// no token.
void ForEachToken(std::string_view value, const std::function<void(std::string_view token)>& onToken);
// The tokens of ForEachToken as a list.
std::vector<std::string_view> SplitList(std::string_view value);

// The tokens parsed as numbers (Util::ParseInt), in order; a token that does not parse is dropped.
std::vector<int32_t> ParseIdList(std::string_view value);

}   // namespace UtilProperty
