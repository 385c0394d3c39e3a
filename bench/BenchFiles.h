#pragma once
// Files for the benchmarks: a scratch folder in memory when it can be, and library files.

#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "foundation/NibbleSwap.h"

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

// A program folder with an empty "Puzzles/", removed with everything in it at the end. It lives
// in memory when it can: creating many thousands of files on disk takes a minute, while reading
// them back costs the same from either once they are cached.
class ScratchFolder {
public:
    ScratchFolder() {
        const std::filesystem::path base =
            std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
        std::string pattern = (base / "tessiva-bench-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("mkdtemp failed");
        folder = pattern + "/";
        std::filesystem::create_directory(folder + "Puzzles");
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::string folder;   // ends in '/'
};

}  // namespace BenchFiles
