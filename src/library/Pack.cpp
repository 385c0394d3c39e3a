// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/Pack.h"

#include "foundation/Util.h"
#include "foundation/UtilText.h"
#include "library/LibraryFolder.h"
#include "library/UtilProperty.h"

namespace {
std::vector<std::unique_ptr<Pack>>& Packs() {
    static std::vector<std::unique_ptr<Pack>> packs;
    return packs;
}
}   // namespace

const std::vector<std::unique_ptr<Pack>>& PackList() { return Packs(); }

void Pack::ScanPacks(const std::string& folder, const SkipObserver& onSkip, const ReadFile& readFile) {
    Packs().clear();
    LibraryFolder::ReadEachFile(
        folder, ".pck", [&](const std::string& title, const std::string& path) { ReadPack(title, path, readFile); },
        onSkip);
}

void Pack::ReadPack(const std::string& title, const std::string& path, const ReadFile& readFile) {
    Packs().push_back(ReadPackFile(title, path, readFile));
}

Pack::Scan Pack::ReadPacks(const std::string& folder, const SkipObserver& onSkip, const ReadFile& readFile) {
    Scan scan;
    scan.listed = LibraryFolder::ReadEachFile(
        folder, ".pck",
        [&](const std::string& title, const std::string& path) {
            scan.packs.push_back(ReadPackFile(title, path, readFile));
        },
        onSkip);
    return scan;
}

std::unique_ptr<Pack> Pack::ReadPackFile(const std::string& title, const std::string& path, const ReadFile& readFile) {
    const int32_t id = Util::ParseInt(title);
    std::string name, puzzles;
    {
        // The file's text goes before its list is parsed: a pack may be megabytes long.
        const std::string text = readFile(path, true);
        name = UtilProperty::GetProperty(text, "Name");
        puzzles = UtilProperty::GetProperty(text, "Puzzles");
    }
    auto pack =
        std::make_unique<Pack>(id, UtilText::FromLibraryText(std::string_view(name).substr(0, name.find('\0'))), path);
    pack->puzzleIds = UtilProperty::ParseIdList(puzzles);
    return pack;
}
