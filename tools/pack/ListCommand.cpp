#include "ListCommand.h"

#include <cstdio>
#include <vector>

#include "foundation/UtilText.h"
#include "library/Category.h"
#include "library/Pack.h"
#include "library/Puzzle.h"

namespace ListCommand {

namespace {

std::string RelativeTo(const std::string& folder, const std::string& path) {
    return path.compare(0, folder.size(), folder) == 0 ? path.substr(folder.size()) : path;
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

void PrintJson(const std::string& folder, const std::vector<SkippedItem>& skipped, std::ostream& out) {
    const auto number = [](auto id) { return std::to_string(id); };
    out << "{\"categories\":["
        << Joined(CategoryList(), ",", [&](const auto& category) {
               return "{\"id\":" + number(category->id) + ",\"name\":" + JsonString(category->name) +
                      ",\"puzzles\":[" +
                      Joined(category->puzzles, ",", [&](const Puzzle* p) { return number(p->id); }) + "]}";
           })
        << "],\"packs\":["
        << Joined(PackList(), ",", [&](const auto& pack) {
               return "{\"id\":" + number(pack->id) + ",\"name\":" + JsonString(pack->name) +
                      ",\"file\":" + JsonString(UtilText::FromLibraryText(FileName(pack->path))) +
                      ",\"puzzleIds\":[" + Joined(pack->puzzleIds, ",", number) + "]}";
           })
        << "],\"puzzles\":["
        << Joined(PuzzleList(), ",", [&](const auto& puzzle) {
               return "{\"id\":" + number(puzzle->id) + ",\"categoryId\":" + number(puzzle->categoryId) +
                      ",\"picture\":" +
                      JsonString(UtilText::FromLibraryText(RelativeTo(folder, puzzle->picturePath))) + "}";
           })
        << "],\"skipped\":["
        << Joined(skipped, ",", [&](const SkippedItem& item) {
               const std::string what =
                   item.kind == SkippedItem::Kind::File
                       ? "\"file\":" + JsonString(UtilText::FromLibraryText(item.fileName))
                       : "\"puzzle\":" + number(item.puzzleId);
               return "{" + what + ",\"reason\":" + JsonString(UtilText::FromLibraryText(item.reason)) + "}";
           })
        << "]}\n";
}

void PrintText(const std::string& folder, const std::vector<SkippedItem>& skipped, std::ostream& out) {
    const auto number = [](auto id) { return std::to_string(id); };
    const auto idsOrNone = [](const std::string& ids) { return ids.empty() ? "none" : ids; };
    out << "Categories: " << CategoryList().size() << "\n";
    for (const auto& category : CategoryList())
        out << "  " << category->id << "  " << category->name << "  puzzles: "
            << idsOrNone(Joined(category->puzzles, ", ", [&](const Puzzle* p) { return number(p->id); }))
            << "\n";
    out << "Packs: " << PackList().size() << "\n";
    for (const auto& pack : PackList())
        out << "  " << pack->id << "  " << pack->name << "  ("
            << UtilText::FromLibraryText(FileName(pack->path))
            << ")  puzzles: " << idsOrNone(Joined(pack->puzzleIds, ", ", number)) << "\n";
    out << "Puzzles: " << PuzzleList().size() << "\n";
    for (const auto& puzzle : PuzzleList())
        out << "  " << puzzle->id << "  category " << puzzle->categoryId << "  "
            << UtilText::FromLibraryText(RelativeTo(folder, puzzle->picturePath)) << "\n";
    out << "Skipped: " << skipped.size() << "\n";
    for (const SkippedItem& item : skipped)
        out << "  "
            << (item.kind == SkippedItem::Kind::File ? UtilText::FromLibraryText(item.fileName)
                                                     : "puzzle " + number(item.puzzleId))
            << ": " << item.reason << "\n";
}

}  // namespace

std::string JsonString(const std::string& text) {
    std::string json = "\"";
    for (const char c : text) {
        switch (c) {
        case '"': json += "\\\""; break;
        case '\\': json += "\\\\"; break;
        case '\n': json += "\\n"; break;
        case '\r': json += "\\r"; break;
        case '\t': json += "\\t"; break;
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
    if (format == Format::Json)
        PrintJson(folder, skipped, out);
    else
        PrintText(folder, skipped, out);
}

}  // namespace ListCommand
