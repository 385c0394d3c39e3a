#include "library/Puzzle.h"

#include <functional>
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

enum PuzzleFile : uint8_t { kOgg = 1, kJpg = 2, kDat = 4 };

const char* ExtensionOf(PuzzleFile file) { return file == kOgg ? ".ogg" : file == kJpg ? ".jpg" : ".dat"; }

// Whether the puzzles folder holds this file of this puzzle as a plain file.
using FileTest = std::function<bool(int32_t id, PuzzleFile file)>;

// Which of each puzzle's files the folder holds, from one listing of it: a large library then
// costs one open and read per puzzle instead of three more existence tests.
class PuzzleFileIndex {
public:
    // False when the folder cannot be listed.
    bool Read(const std::string& puzzlesFolder) {
        return LibraryFolder::ForEachFileIn(puzzlesFolder, [this](const std::string& name) { Add(name); });
    }

    bool Has(int32_t id, PuzzleFile file) const {
        const auto found = files.find(id);
        return found != files.end() && (found->second & file);
    }

private:
    void Add(const std::string& name) {
        const size_t dot = name.rfind('.');
        if (dot == std::string::npos || dot == 0)
            return;
        const std::string extension = name.substr(dot);
        const PuzzleFile file = extension == ".ogg" ? kOgg : extension == ".jpg" ? kJpg : extension == ".dat" ? kDat
                                                                                                             : PuzzleFile{};
        const std::string baseName = name.substr(0, dot);
        if (!file || baseName.find_first_not_of("0123456789-") != std::string::npos)
            return;
        // A negative id's base name has its padding before the sign: -5 gives "000000-5".
        const size_t sign = baseName.find('-');
        try {
            const int32_t id = Util::ParseInt(sign == std::string::npos ? baseName : baseName.substr(sign));
            // Only the exact base name counts: "0042.jpg" is no file of puzzle 42.
            if (Puzzle::BaseName(id) == baseName)
                files[id] |= file;
        } catch (const ArgumentException&) {
            // Not a puzzle's file name ("--.jpg").
        }
    }

    std::unordered_map<int32_t, uint8_t> files;
};

void LoadPuzzle(const std::string& puzzlesFolder, int32_t id, const FileTest& exists) {
    PuzzleStore& store = Store();
    if (store.loadedIds.count(id))
        return;
    const PuzzleFile pictureFile = exists(id, kOgg) ? kOgg : kJpg;
    if (!exists(id, pictureFile))
        RaiseError("Puzzle::ReadPuzzle (65)");
    if (!exists(id, kDat))
        RaiseError("Puzzle::ReadPuzzle (66)");
    const std::string basePath = puzzlesFolder + Puzzle::BaseName(id);
    const std::string text = Util::ReadFileAscii(basePath + ".dat", true);
    const int32_t categoryId = Util::ParseInt(UtilProperty::GetProperty(text, "Category"));
    Category* category = Category::FindById(categoryId);
    if (!category)
        RaiseError("Puzzle::ReadPuzzle (74)");

    store.puzzles.push_back(std::make_unique<Puzzle>(id, categoryId, basePath + ExtensionOf(pictureFile)));
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
}

}  // namespace

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
    const FileTest exists = [&](int32_t id, PuzzleFile file) {
        if (listed)
            return index.Has(id, file);
        return LibraryFolder::FileExists(puzzlesFolder + BaseName(id) + ExtensionOf(file));
    };
    for (const std::unique_ptr<Pack>& pack : PackList()) {
        for (const int32_t id : pack->puzzleIds) {
            try {
                LoadPuzzle(puzzlesFolder, id, exists);
            } catch (...) {  // containment point: library reading per puzzle
                if (onSkip)
                    onSkip({SkippedItem::Kind::Puzzle, {}, id, LibraryFolder::CurrentFailureReason()});
            }
        }
    }
}

void Puzzle::ReadPuzzle(const std::string& puzzlesFolder, int32_t id) {
    LoadPuzzle(puzzlesFolder, id, [&](int32_t puzzleId, PuzzleFile file) {
        return LibraryFolder::FileExists(puzzlesFolder + BaseName(puzzleId) + ExtensionOf(file));
    });
}
