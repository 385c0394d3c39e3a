// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A fresh temporary folder for one test or benchmark, removed with everything in it afterwards.

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

class TempFolder {
public:
    // Where the folder lives. Benchmarks that write many thousands of files ask for memory
    // (/dev/shm): creating them on disk takes a minute, while reading them back costs the same.
    enum class Place { Disk, MemoryWhenPossible };

    explicit TempFolder(Place place = Place::Disk) {
        const bool inMemory = place == Place::MemoryWhenPossible && std::filesystem::is_directory("/dev/shm");
        const std::filesystem::path base = inMemory ? "/dev/shm" : std::filesystem::temp_directory_path();
        std::string pattern = (base / "tessiva-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("mkdtemp failed in " + base.string());
        path = pattern + "/";
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // Writes the bytes to a file under the folder, making sub-folders as needed; returns its
    // full path.
    std::string Write(const std::string& relative, const std::string& bytes) const {
        return WriteUnder(path, relative, bytes);
    }

    // The same under any folder (root ends in '/').
    static std::string WriteUnder(const std::string& root, const std::string& relative, const std::string& bytes) {
        const std::string full = root + relative;
        std::filesystem::create_directories(std::filesystem::path(full).parent_path());
        std::ofstream(full, std::ios::binary) << bytes;
        return full;
    }

    std::string path;   // ends in '/'
};
