// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An installed pack read from "<id>.pck", and the process-wide PackList.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "foundation/Util.h"
#include "library/SkipObserver.h"

class Pack {
public:
    Pack(int32_t id, std::string name, std::string path) : id(id), name(std::move(name)), path(std::move(path)) {}

    // How a pack file's bytes are read: Util::ReadFileAscii, or a test's stand-in for it.
    using ReadFile = std::function<std::string(const std::string& path, bool swapNibbles)>;

    // Empties PackList and reads every "*.pck" in the folder (ending in '/') in directory
    // order, skipping files that fail; never sorted.
    static void ScanPacks(const std::string& folder, const SkipObserver& onSkip = {},
                          const ReadFile& readFile = Util::ReadFileAscii);
    // Reads one pack file and appends it to PackList; throws on any failure.
    static void ReadPack(const std::string& title, const std::string& path,
                         const ReadFile& readFile = Util::ReadFileAscii);

    // The packs of a folder as ScanPacks reads them, into a list of the caller's; PackList is
    // left alone. listed is false when the folder could not be listed whole.
    struct Scan {
        std::vector<std::unique_ptr<Pack>> packs;
        bool listed = false;
    };
    static Scan ReadPacks(const std::string& folder, const SkipObserver& onSkip = {},
                          const ReadFile& readFile = Util::ReadFileAscii);
    // Reads one pack file; throws on any failure.
    static std::unique_ptr<Pack> ReadPackFile(const std::string& title, const std::string& path,
                                              const ReadFile& readFile = Util::ReadFileAscii);

    int32_t id = 0;
    std::string name;                 // display text (UTF-8)
    std::string path;                 // full path of the pack file
    std::vector<int32_t> puzzleIds;   // as listed, duplicates kept
};

// All packs in directory order; the list owns them.
const std::vector<std::unique_ptr<Pack>>& PackList();
