// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Files for the benchmarks: a scratch folder in memory when it can be, and library files.

#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "foundation/NibbleSwap.h"
#include "support/TempFolder.h"

namespace BenchFiles {

// Writes the bytes, nibble-swapped as library files are stored when swap is set.
inline void WriteFile(const std::string& path, std::string bytes, bool swap) {
    if (swap)
        NibbleSwapBytes(bytes);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        throw std::runtime_error("cannot write " + path);
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

// A program folder with an empty "Puzzles/", in memory when it can be: the benchmarks write many
// thousands of library files.
class ScratchFolder : public TempFolder {
public:
    ScratchFolder() : TempFolder(Place::MemoryWhenPossible) { std::filesystem::create_directory(path + "Puzzles"); }
};

}   // namespace BenchFiles
