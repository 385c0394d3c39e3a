// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListCommand.h"

#include <algorithm>
#include <cstdio>
#include <unordered_map>
#include <vector>

#include "PictureCheck.h"
#include "foundation/UtilText.h"
#include "library/Category.h"
#include "library/LibraryFolder.h"
#include "library/Pack.h"
#include "library/Puzzle.h"

namespace ListCommand {

namespace {

std::string RelativeTo(const std::string& folder, const std::string& path) {
    return path.compare(0, folder.size(), folder) == 0 ? path.substr(folder.size()) : path;
}

constexpr char kPuzzlesFolder[] = "Puzzles/";
constexpr char kNotAPlainFile[] = "not a plain file";

// One file of a puzzle in the puzzles folder, named from the program folder.
struct PuzzleFile {
    std::string name;   // "Puzzles/00000004.dat"
    bool plainFile = true;
};

// A file that a loaded puzzle has but the game cannot use: a picture it cannot show, or an entry
// with the puzzle's name that is no plain file (a FIFO, a folder, a broken or looping link).
struct UnusableFile {
    int32_t puzzleId = 0;
    std::string name;
    std::string reason;
};

// What the tool adds to the game's own scan: the files of each skipped puzzle, and the files of
// loaded puzzles that the game cannot use.
struct Findings {
    std::vector<SkippedItem> skipped;
    std::unordered_map<int32_t, std::vector<PuzzleFile>> skippedPuzzleFiles;
    std::vector<UnusableFile> unusable;
};

// Every entry of the puzzles folder that carries one of the ids' base names and a puzzle file
// extension (in any case), by id, from one listing per extension.
std::unordered_map<int32_t, std::vector<PuzzleFile>> FilesOf(const std::string& puzzlesFolder,
                                                             const std::vector<int32_t>& ids) {
    std::unordered_map<std::string, int32_t> idOfBaseName;
    for (const int32_t id : ids)
        idOfBaseName.emplace(Puzzle::BaseName(id), id);
    std::unordered_map<int32_t, std::vector<PuzzleFile>> files;
    for (const char* extension : {".ogg", ".jpg", ".dat"}) {
        for (const std::string& name : LibraryFolder::EntriesWithExtension(puzzlesFolder, extension)) {
            const auto found = idOfBaseName.find(LibraryFolder::TitleOf(name));
            if (found != idOfBaseName.end())
                files[found->second].push_back(
                    {kPuzzlesFolder + name, LibraryFolder::FileExists(puzzlesFolder + name)});
        }
    }
    for (auto& [id, list] : files)
        std::sort(list.begin(), list.end(), [](const PuzzleFile& a, const PuzzleFile& b) { return a.name < b.name; });
    return files;
}

Findings Inspect(const std::string& folder, std::vector<SkippedItem> skipped) {
    const std::string puzzlesFolder = folder + kPuzzlesFolder;
    std::vector<int32_t> ids;
    for (const SkippedItem& item : skipped)
        if (item.kind == SkippedItem::Kind::Puzzle)
            ids.push_back(item.puzzleId);
    for (const auto& puzzle : PuzzleList())
        ids.push_back(puzzle->id);
    auto files = FilesOf(puzzlesFolder, ids);

    Findings findings;
    for (const auto& puzzle : PuzzleList()) {
        // The smallest decode the game makes: its data is still read whole.
        const PictureCheck::Verdict verdict = PictureCheck::Check(puzzle->picturePath, Gdiplus::Size(1, 1));
        if (verdict != PictureCheck::Verdict::Shown)
            findings.unusable.push_back(
                {puzzle->id, RelativeTo(folder, puzzle->picturePath), PictureCheck::Reason(verdict)});
        for (const PuzzleFile& file : files[puzzle->id])
            if (!file.plainFile)
                findings.unusable.push_back({puzzle->id, file.name, kNotAPlainFile});
    }
    for (const SkippedItem& item : skipped)
        if (item.kind == SkippedItem::Kind::Puzzle)
            if (const auto found = files.find(item.puzzleId); found != files.end())
                findings.skippedPuzzleFiles.insert(*found);
    findings.skipped = std::move(skipped);
    return findings;
}

template <class Range, class Format>
std::string Joined(const Range& items, const char* separator, Format format) {
    std::string text;
    for (const auto& item : items) {
        if (!text.empty())
            text += separator;
        text += format(item);
    }
    return text;
}

std::string FileName(const std::string& path) { return path.substr(path.find_last_of('/') + 1); }

const std::vector<PuzzleFile>& FilesOfSkipped(const Findings& findings, int32_t id) {
    static const std::vector<PuzzleFile> none;
    const auto found = findings.skippedPuzzleFiles.find(id);
    return found == findings.skippedPuzzleFiles.end() ? none : found->second;
}

void PrintJson(const std::string& folder, const Findings& findings, std::ostream& out) {
    const auto number = [](auto id) { return std::to_string(id); };
    const auto text = [](const std::string& libraryText) { return JsonString(UtilText::FromLibraryText(libraryText)); };
    out << "{\"categories\":["
        << Joined(CategoryList(), ",",
                  [&](const auto& category) {
                      return "{\"id\":" + number(category->id) + ",\"name\":" + JsonString(category->name) +
                             ",\"puzzles\":[" +
                             Joined(category->puzzles, ",", [&](const Puzzle* p) { return number(p->id); }) + "]}";
                  })
        << "],\"packs\":["
        << Joined(PackList(), ",",
                  [&](const auto& pack) {
                      return "{\"id\":" + number(pack->id) + ",\"name\":" + JsonString(pack->name) +
                             ",\"file\":" + text(FileName(pack->path)) + ",\"puzzleIds\":[" +
                             Joined(pack->puzzleIds, ",", number) + "]}";
                  })
        << "],\"puzzles\":["
        << Joined(PuzzleList(), ",",
                  [&](const auto& puzzle) {
                      return "{\"id\":" + number(puzzle->id) + ",\"categoryId\":" + number(puzzle->categoryId) +
                             ",\"picture\":" + text(RelativeTo(folder, puzzle->picturePath)) + "}";
                  })
        << "],\"skipped\":["
        << Joined(findings.skipped, ",",
                  [&](const SkippedItem& item) {
                      if (item.kind == SkippedItem::Kind::File)
                          return "{\"file\":" + text(item.fileName) + ",\"reason\":" + text(item.reason) + "}";
                      return "{\"puzzle\":" + number(item.puzzleId) + ",\"reason\":" + text(item.reason) +
                             ",\"files\":[" +
                             Joined(FilesOfSkipped(findings, item.puzzleId), ",",
                                    [&](const PuzzleFile& file) {
                                        return "{\"name\":" + text(file.name) +
                                               ",\"plainFile\":" + (file.plainFile ? "true" : "false") + "}";
                                    }) +
                             "]}";
                  })
        << "],\"unusable\":["
        << Joined(findings.unusable, ",",
                  [&](const UnusableFile& file) {
                      return "{\"puzzle\":" + number(file.puzzleId) + ",\"file\":" + text(file.name) +
                             ",\"reason\":" + JsonString(file.reason) + "}";
                  })
        << "]}\n";
}

void PrintText(const std::string& folder, const Findings& findings, std::ostream& out) {
    const auto number = [](auto id) { return std::to_string(id); };
    const auto idsOrNone = [](const std::string& ids) { return ids.empty() ? "none" : ids; };
    out << "Categories: " << CategoryList().size() << "\n";
    for (const auto& category : CategoryList())
        out << "  " << category->id << "  " << category->name << "  puzzles: "
            << idsOrNone(Joined(category->puzzles, ", ", [&](const Puzzle* p) { return number(p->id); })) << "\n";
    out << "Packs: " << PackList().size() << "\n";
    for (const auto& pack : PackList())
        out << "  " << pack->id << "  " << pack->name << "  (" << UtilText::FromLibraryText(FileName(pack->path))
            << ")  puzzles: " << idsOrNone(Joined(pack->puzzleIds, ", ", number)) << "\n";
    out << "Puzzles: " << PuzzleList().size() << "\n";
    for (const auto& puzzle : PuzzleList())
        out << "  " << puzzle->id << "  category " << puzzle->categoryId << "  "
            << UtilText::FromLibraryText(RelativeTo(folder, puzzle->picturePath)) << "\n";
    out << "Skipped: " << findings.skipped.size() << "\n";
    for (const SkippedItem& item : findings.skipped) {
        if (item.kind == SkippedItem::Kind::File) {
            out << "  " << UtilText::FromLibraryText(item.fileName) << ": " << item.reason << "\n";
            continue;
        }
        out << "  puzzle " << item.puzzleId << ": " << item.reason;
        // The puzzle's files, so a player sees which of them to mend.
        const std::vector<PuzzleFile>& files = FilesOfSkipped(findings, item.puzzleId);
        if (!files.empty())
            out << "  files: " << Joined(files, ", ", [](const PuzzleFile& file) {
                return UtilText::FromLibraryText(file.name) +
                       (file.plainFile ? "" : std::string(" (") + kNotAPlainFile + ")");
            });
        out << "\n";
    }
    out << "Unusable files: " << findings.unusable.size() << "\n";
    for (const UnusableFile& file : findings.unusable)
        out << "  " << UtilText::FromLibraryText(file.name) << " (puzzle " << file.puzzleId << "): " << file.reason
            << "\n";
}

}   // namespace

std::string JsonString(const std::string& text) {
    std::string json = "\"";
    for (const char c : text) {
        switch (c) {
        case '"':
            json += "\\\"";
            break;
        case '\\':
            json += "\\\\";
            break;
        case '\n':
            json += "\\n";
            break;
        case '\r':
            json += "\\r";
            break;
        case '\t':
            json += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                json += escaped;
            } else {
                json += c;
            }
        }
    }
    return json + "\"";
}

void Run(const std::string& folder, Format format, std::ostream& out) {
    std::vector<SkippedItem> skipped;
    const SkipObserver record = [&](const SkippedItem& item) { skipped.push_back(item); };
    // The game's start-up order: puzzles need the categories, the packs give the puzzle ids.
    Puzzle::ClearPuzzleList();
    Category::ScanCategories(folder, record);
    Pack::ScanPacks(folder, record);
    Puzzle::ReadAllPuzzles(folder + "Puzzles/", record);
    const Findings findings = Inspect(folder, std::move(skipped));
    if (format == Format::Json)
        PrintJson(folder, findings, out);
    else
        PrintText(folder, findings, out);
}

}   // namespace ListCommand
