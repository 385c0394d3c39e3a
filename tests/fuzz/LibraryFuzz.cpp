// SPDX-License-Identifier: GPL-3.0-or-later
// A whole library folder from the fuzzer's bytes: one category, one pack and one puzzle
// description, nibble-swapped as on disk, read by the scans the game runs at start-up, then
// listed and uninstalled by the pack remover's logic. Every file and every listed puzzle ends
// as a loaded item or a reported skip, and the pack remover deletes nothing but the pack file
// and the files of the puzzles that pack lists.
// Input: the category text, the separator, the pack text, the separator, the puzzle text.

#include <algorithm>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzSupport.h"
#include "foundation/NibbleSwap.h"
#include "foundation/UtilText.h"
#include "library/Category.h"
#include "library/Pack.h"
#include "library/Puzzle.h"
#include "packsweep/CMainDlg.h"

namespace {

constexpr int32_t kCategoryId = 3, kPackId = 7, kPuzzleId = 12;

const std::string& LibraryFolder() {
    static const std::string folder = [] {
        const std::string path = Fuzz::ScratchFolder() + "library/";
        std::filesystem::create_directories(path + "Puzzles");
        // Only the picture's existence is looked at while the library is read.
        Fuzz::WriteFile(path + "Puzzles/" + Puzzle::BaseName(kPuzzleId) + ".jpg", "");
        return path;
    }();
    return folder;
}

void WriteLibraryFile(const std::string& path, std::string_view text) {
    std::string bytes(text);
    NibbleSwapBytes(bytes);
    Fuzz::WriteFile(path, bytes);
}

size_t FileSkips(const std::vector<SkippedItem>& skips, const std::string& fileName) {
    return static_cast<size_t>(std::count_if(skips.begin(), skips.end(), [&](const SkippedItem& s) {
        return s.kind == SkippedItem::Kind::File && s.fileName == fileName;
    }));
}

// Selects every row and answers yes; remembers the last message.
class AgreeingHost : public DialogHost {
public:
    void SetListItems(const std::vector<std::string>& texts) override { rows = texts.size(); }
    std::vector<size_t> SelectedListItems() const override {
        std::vector<size_t> all(rows);
        for (size_t i = 0; i < rows; ++i)
            all[i] = i;
        return all;
    }
    MessageBoxAnswer ShowMessageBox(const std::string& text, const std::optional<std::string>&, MessageBoxIcon,
                                    MessageBoxButtons buttons) override {
        lastMessage = text;
        return buttons == MessageBoxButtons::YesNo ? MessageBoxAnswer::Yes : MessageBoxAnswer::Ok;
    }

    size_t rows = 0;
    std::string lastMessage;
};

void CheckLibrary(const std::string& folder, const std::vector<SkippedItem>& skips) {
    FUZZ_CHECK(CategoryList().size() + FileSkips(skips, "3.ctg") == 1);
    for (const auto& category : CategoryList()) {
        FUZZ_CHECK(category->id == kCategoryId);
        FUZZ_CHECK(UtilText::IsValidUtf8(category->name));
    }
    FUZZ_CHECK(PackList().size() + FileSkips(skips, "7.pck") == 1);
    for (const auto& pack : PackList()) {
        FUZZ_CHECK(pack->id == kPackId && pack->path == folder + "7.pck");
        FUZZ_CHECK(UtilText::IsValidUtf8(pack->name));
    }
    for (const SkippedItem& skip : skips)
        FUZZ_CHECK(!skip.reason.empty() && skip.cause != FailureCause::Unspecified);

    // Only puzzle 12 has files; every other id listed is one skip, however often it is listed.
    std::set<int32_t> failedIds;
    for (const auto& pack : PackList())
        for (const int32_t id : pack->puzzleIds)
            if (PuzzleList().empty() || id != kPuzzleId)
                failedIds.insert(id);
    const size_t puzzleSkips = skips.size() - FileSkips(skips, "3.ctg") - FileSkips(skips, "7.pck");
    FUZZ_CHECK(puzzleSkips == failedIds.size());
    FUZZ_CHECK(PuzzleList().size() <= 1);
    for (const auto& puzzle : PuzzleList()) {
        FUZZ_CHECK(puzzle->id == kPuzzleId);
        FUZZ_CHECK(puzzle->picturePath == folder + "Puzzles/00000012.jpg");
        const Category* category = Category::FindById(puzzle->categoryId);
        FUZZ_CHECK(category && category->puzzles.size() == 1 && category->puzzles[0] == puzzle.get());
    }
}

void CheckUninstall(const std::string& folder) {
    AgreeingHost host;
    std::vector<std::string> deleted;
    CMainDlg::Services services;
    services.gameIsRunning = [] { return false; };
    services.deleteFile = [&](const std::string& path) {
        deleted.push_back(path);
        return true;   // the files stay for the next input
    };
    services.openUrl = [](const std::string&) {};
    CMainDlg dialog(host, folder, services);
    dialog.RefreshPackList();
    FUZZ_CHECK(host.rows == PackList().size());
    const std::vector<int32_t> listed = PackList().empty() ? std::vector<int32_t>{} : PackList()[0]->puzzleIds;
    dialog.OnBtnUninstall();

    for (const std::string& path : deleted) {
        if (path == folder + "7.pck")
            continue;
        const std::string puzzleFiles = folder + "Puzzles/" + Puzzle::BaseName(kPuzzleId) + ".";
        FUZZ_CHECK(path.compare(0, puzzleFiles.size(), puzzleFiles) == 0);
        FUZZ_CHECK(std::find(listed.begin(), listed.end(), kPuzzleId) != listed.end());
    }
    FUZZ_CHECK(host.lastMessage ==
               (host.rows == 0 ? "Please select a pack and try again. " : "Selected packs successfully uninstalled. "));
}

}   // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<std::string_view> texts = Fuzz::SplitInput(data, size, 3);
    const std::string& folder = LibraryFolder();
    WriteLibraryFile(folder + "3.ctg", texts[0]);
    WriteLibraryFile(folder + "7.pck", texts[1]);
    WriteLibraryFile(folder + "Puzzles/" + Puzzle::BaseName(kPuzzleId) + ".dat", texts[2]);

    std::vector<SkippedItem> skips;
    const SkipObserver onSkip = [&](const SkippedItem& skip) { skips.push_back(skip); };
    Puzzle::ClearPuzzleList();
    Category::ScanCategories(folder, onSkip);
    Pack::ScanPacks(folder, onSkip);
    Puzzle::ReadAllPuzzles(folder + "Puzzles/", onSkip);
    CheckLibrary(folder, skips);
    CheckUninstall(folder);
    return 0;
}
