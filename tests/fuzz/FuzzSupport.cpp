// SPDX-License-Identifier: GPL-3.0-or-later
#include "FuzzSupport.h"

#include <fstream>

#include "support/TempFolder.h"

namespace Fuzz {

const std::string& ScratchFolder() {
    // In memory when it can be: a fuzz run writes its files hundreds of times a second.
    static const TempFolder scratch(TempFolder::Place::MemoryWhenPossible);
    return scratch.path;
}

void WriteFile(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    FUZZ_CHECK(out.good());
}

std::vector<std::string_view> SplitInput(const uint8_t* data, size_t size, size_t parts) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    std::vector<std::string_view> pieces;
    while (pieces.size() + 1 < parts) {
        const size_t at = rest.find(kSeparator);
        if (at == std::string_view::npos)
            break;
        pieces.push_back(rest.substr(0, at));
        rest.remove_prefix(at + kSeparator.size());
    }
    pieces.push_back(rest);
    pieces.resize(parts);
    return pieces;
}

}   // namespace Fuzz
