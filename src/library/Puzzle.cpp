// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/Puzzle.h"

#include <algorithm>
#include <array>
#include <functional>
#include <optional>
#include <unordered_map>
#include <unordered_set>

#include "foundation/ApplicationException.h"
#include "foundation/Util.h"
#include "library/Category.h"
#include "library/LibraryFolder.h"
#include "library/Pack.h"
#include "library/UtilProperty.h"

namespace {

// The list and, beside it, the ids it holds, so the "already loaded" test stays constant-time
// for large libraries.
struct PuzzleStore {
    std::vector<std::unique_ptr<Puzzle>> puzzles;
    std::unordered_set<int32_t> loadedIds;
};

PuzzleStore& Store() {
    static PuzzleStore store;
    return store;
}

enum PuzzleFile : uint8_t { kOgg, kJpg, kDat, kPuzzleFileCount };

// Extensions match in any case, as on the platform the library was made for. A spelling is one
// of the eight ways to write the extension's three letters: bit i set makes letter i capital.
constexpr std::array<const char*, kPuzzleFileCount> kExtensions = {"ogg", "jpg", "dat"};
constexpr int kSpellings = 8;

std::string Spelled(PuzzleFile file, int spelling) {
    std::string extension = kExtensions[file];
    for (size_t i = 0; i < extension.size(); ++i)
        if (spelling & (1 << i))
            extension[i] = static_cast<char>(extension[i] - 'a' + 'A');
    return "." + extension;
}

// The spelling of a name's extension (".JPG"), or -1 when it is no spelling of this file's.
int SpellingOf(std::string_view extension, PuzzleFile file) {
    const std::string_view lower = kExtensions[file];
    if (extension.size() != lower.size() + 1 || extension[0] != '.')
        return -1;
    int spelling = 0;
    for (size_t i = 0; i < lower.size(); ++i) {
        const char c = extension[i + 1];
        if (c == lower[i] - 'a' + 'A')
            spelling |= 1 << i;
        else if (c != lower[i])
            return -1;
    }
    return spelling;
}

// The order in which spellings are preferred when a folder holds several: the small letters
// first, then the others by their bytes, so the choice never depends on the listing order.
const std::array<int, kSpellings>& SpellingPreference(PuzzleFile file) {
    static const std::array<std::array<int, kSpellings>, kPuzzleFileCount> orders = [] {
        std::array<std::array<int, kSpellings>, kPuzzleFileCount> all{};
        for (int f = 0; f < kPuzzleFileCount; ++f) {
            std::array<int, kSpellings>& order = all[size_t(f)];
            for (int s = 0; s < kSpellings; ++s)
                order[size_t(s)] = s;
            std::sort(order.begin() + 1, order.end(),
                      [f](int a, int b) { return Spelled(PuzzleFile(f), a) < Spelled(PuzzleFile(f), b); });
        }
        return all;
    }();
    return orders[file];
}

// Where the puzzles folder holds one of a puzzle's files as a plain file: the file's name
// there, or empty.
using FileLookup = std::function<std::string(int32_t id, PuzzleFile file)>;

// Which of each puzzle's files the folder holds, and how their extensions are spelled, from
// one listing of it: a large library then costs one open and read per puzzle instead of three
// more existence tests.
class PuzzleFileIndex {
public:
    // False when the folder cannot be listed whole.
    bool Read(const std::string& puzzlesFolder) {
        return LibraryFolder::ForEachFileIn(puzzlesFolder, [this](const std::string& name) { Add(name); });
    }

    std::string Find(int32_t id, PuzzleFile file) const {
        const auto found = files.find(id);
        if (found == files.end())
            return {};
        for (const int spelling : SpellingPreference(file))
            if (found->second[file] & (1 << spelling))
                return Puzzle::BaseName(id) + Spelled(file, spelling);
        return {};
    }

private:
    void Add(const std::string& name) {
        const size_t dot = name.rfind('.');
        if (dot == std::string::npos || dot == 0)
            return;
        const std::string_view extension = std::string_view(name).substr(dot);
        int file = 0, spelling = -1;
        for (int f = 0; f < kPuzzleFileCount && spelling < 0; ++f) {
            file = f;
            spelling = SpellingOf(extension, PuzzleFile(f));
        }
        const std::string baseName = name.substr(0, dot);
        if (spelling < 0 || baseName.find_first_not_of("0123456789-") != std::string::npos)
            return;
        // A negative id's base name has its padding before the sign: -5 gives "000000-5".
        const size_t sign = baseName.find('-');
        int32_t id = 0;
        // Only the exact base name counts: "0042.jpg" is no file of puzzle 42.
        if (Util::TryParseInt(sign == std::string::npos ? baseName : baseName.substr(sign), id) &&
            Puzzle::BaseName(id) == baseName)
            files[id][size_t(file)] |= uint8_t(1 << spelling);
    }

    // Per puzzle and file, one bit for each spelling present.
    std::unordered_map<int32_t, std::array<uint8_t, kPuzzleFileCount>> files;
};

// The lookup without a listing: each spelling is tested in the order of preference.
std::string FindByTests(const std::string& puzzlesFolder, int32_t id, PuzzleFile file) {
    const std::string baseName = Puzzle::BaseName(id);
    for (const int spelling : SpellingPreference(file)) {
        const std::string name = baseName + Spelled(file, spelling);
        if (LibraryFolder::FileExists(puzzlesFolder + name))
            return name;
    }
    return {};
}

// A puzzle's failure found without reading a file, as a raise would carry it.
struct Refusal {
    FailureCause cause;
    const char* location;
};

// Loads one puzzle. A failure seen without reading a file (no picture, no ".dat", no such
// category) is returned, so a scan can skip the puzzle without the cost of raising; the
// failures of reading the ".dat" file are raised.
std::optional<Refusal> LoadPuzzle(const std::string& puzzlesFolder, int32_t id, const FileLookup& find) {
    PuzzleStore& store = Store();
    if (store.loadedIds.count(id))
        return std::nullopt;
    std::string picture = find(id, kOgg);
    if (picture.empty())
        picture = find(id, kJpg);
    if (picture.empty())
        return Refusal{FailureCause::MissingFile, "Puzzle::ReadPuzzle (65)"};
    const std::string description = find(id, kDat);
    if (description.empty())
        return Refusal{FailureCause::MissingFile, "Puzzle::ReadPuzzle (66)"};
    const std::string text = Util::ReadFileAscii(puzzlesFolder + description, true);
    const int32_t categoryId = Util::ParseInt(UtilProperty::GetProperty(text, "Category"));
    Category* category = Category::FindById(categoryId);
    if (!category)
        return Refusal{FailureCause::ContentUnusable, "Puzzle::ReadPuzzle (74)"};

    store.puzzles.push_back(std::make_unique<Puzzle>(id, categoryId, puzzlesFolder + picture));
    try {
        category->puzzles.push_back(store.puzzles.back().get());
        store.loadedIds.insert(id);
    } catch (...) {
        // Keep the list, the index and the category in step when memory runs out.
        if (!category->puzzles.empty() && category->puzzles.back() == store.puzzles.back().get())
            category->puzzles.pop_back();
        store.puzzles.pop_back();
        throw;
    }
    return std::nullopt;
}

}   // namespace

const std::vector<std::unique_ptr<Puzzle>>& PuzzleList() { return Store().puzzles; }

void Puzzle::ClearPuzzleList() {
    // Categories refer into the list; they must not keep pointers to the dropped puzzles.
    for (const std::unique_ptr<Category>& category : CategoryList())
        category->puzzles.clear();
    Store().puzzles.clear();
    Store().loadedIds.clear();
}

std::string Puzzle::BaseName(int32_t id) {
    std::string name = std::to_string(id);
    if (name.size() < 8)
        name.insert(0, 8 - name.size(), '0');
    return name;
}

void Puzzle::ReadAllPuzzles(const std::string& puzzlesFolder, const SkipObserver& onSkip) {
    PuzzleFileIndex index;
    const bool listed = index.Read(puzzlesFolder);
    const FileLookup find = [&](int32_t id, PuzzleFile file) {
        return listed ? index.Find(id, file) : FindByTests(puzzlesFolder, id, file);
    };
    // Within one scan nothing a failure depends on changes: the folder's listing, the files
    // and the categories stay as they were. A later pack's retry of such an id would fail the
    // same way, so it is not made (a pack may list one missing id millions of times). Only a
    // failure of memory may pass, and that puzzle is tried again.
    std::unordered_set<int32_t> failedIds;
    const auto skip = [&](int32_t id, FailureCause cause, const std::string& reason) {
        if (onSkip)
            onSkip({SkippedItem::Kind::Puzzle, {}, id, cause, reason});
    };
    for (const std::unique_ptr<Pack>& pack : PackList()) {
        for (const int32_t id : pack->puzzleIds) {
            if (failedIds.count(id))
                continue;
            try {
                if (const std::optional<Refusal> refusal = LoadPuzzle(puzzlesFolder, id, find)) {
                    failedIds.insert(id);
                    skip(id, refusal->cause, refusal->location);
                }
            } catch (const ApplicationException& e) {   // containment point: library reading per puzzle
                failedIds.insert(id);
                skip(id, LibraryFolder::CurrentFailureCause(), e.LocationText());
            } catch (...) {   // containment point: library reading per puzzle
                skip(id, LibraryFolder::CurrentFailureCause(), LibraryFolder::CurrentFailureReason());
            }
        }
    }
}

void Puzzle::ReadPuzzle(const std::string& puzzlesFolder, int32_t id) {
    const std::optional<Refusal> refusal = LoadPuzzle(puzzlesFolder, id, [&](int32_t puzzleId, PuzzleFile file) {
        return FindByTests(puzzlesFolder, puzzleId, file);
    });
    if (refusal)
        RaiseError(refusal->location, refusal->cause);
}
