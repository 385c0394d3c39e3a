// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/UtilProperty.h"

#include "foundation/ApplicationException.h"
#include "foundation/Util.h"

namespace UtilProperty {

std::string GetProperty(std::string_view text, const char* key) {
    // Searches stop at a zero byte, as the files are zero-terminated texts to their readers.
    const std::string_view searchable = text.substr(0, text.find('\0'));
    const std::string pattern = std::string(key) + "=";
    const size_t keyAt = searchable.find(pattern);
    if (keyAt == std::string_view::npos)
        RaiseError("UtilProperty::GetProperty (10)");
    const size_t start = keyAt + pattern.size();
    const size_t end = searchable.find("\r\n", start);
    return std::string(end == std::string_view::npos ? text.substr(start) : text.substr(start, end - start));
}

void ForEachToken(std::string_view value, const std::function<void(std::string_view token)>& onToken) {
    size_t pos = 0;
    while (pos < value.size()) {
        if (value[pos] == ',') {
            ++pos;
            continue;
        }
        const size_t comma = value.find(',', pos);
        const size_t end = comma == std::string_view::npos ? value.size() : comma;
        onToken(value.substr(pos, end - pos));
        pos = end;
    }
}

std::vector<std::string_view> SplitList(std::string_view value) {
    std::vector<std::string_view> tokens;
    ForEachToken(value, [&](std::string_view token) { tokens.push_back(token); });
    return tokens;
}

std::vector<int32_t> ParseIdList(std::string_view value) {
    // Token by token, without raising: a pack may list millions of entries, good or bad. The
    // list is sized once, as a growing one would briefly hold half again as much.
    size_t tokens = 0;
    ForEachToken(value, [&](std::string_view) { ++tokens; });
    std::vector<int32_t> ids;
    ids.reserve(tokens);
    ForEachToken(value, [&](std::string_view token) {
        int32_t id = 0;
        if (Util::TryParseInt(token, id))   // a malformed entry is dropped
            ids.push_back(id);
    });
    if (ids.size() < tokens)
        ids.shrink_to_fit();
    return ids;
}

}   // namespace UtilProperty
