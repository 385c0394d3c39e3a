// SPDX-License-Identifier: GPL-3.0-or-later
#include "AddCommands.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "PictureCheck.h"
#include "ToolError.h"
#include "foundation/ApplicationException.h"
#include "foundation/Util.h"
#include "gfx/Bitmap.h"
#include "library/Category.h"
#include "library/LibraryFolder.h"
#include "library/LibraryWriter.h"
#include "library/Pack.h"
#include "library/Puzzle.h"

namespace AddCommands {

namespace {

[[noreturn]] void Refuse(const std::string& message) { throw ToolError(ToolError::kBadInput, message); }

// A library the user may not change is most often an installed game's, which belongs to root.
[[noreturn]] void FailWrite(std::string message, int error) {
    if (error == EACCES || error == EPERM || error == EROFS)
        message += " (the folder belongs to another user; an installed library is changed with sudo)";
    throw ToolError(ToolError::kFailed, message);
}

void CheckFolder(const std::string& folder) {
    struct stat info {};
    if (stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
        Refuse("no such folder: " + folder);
}

void CheckName(const std::string& name, const char* what) {
    if (name.empty())
        Refuse(std::string(what) + " name is empty");
    if (name.find_first_of("\r\n") != std::string::npos)
        Refuse(std::string(what) + " name holds a line break");
}

// The property text must read back as written; checked before anything is written.
void CheckReadsBack(const LibraryWriter::Properties& properties) {
    try {
        LibraryWriter::PropertyText(properties);
    } catch (const std::invalid_argument& e) {
        Refuse(std::string("cannot be stored: ") + e.what());
    }
}

// The ids the titles of the folder's files with this extension stand for, as the game parses
// them ("03.ctg" is category 3).
std::vector<int32_t> IdsOfFiles(const std::string& folder, const std::string& extension) {
    std::vector<int32_t> ids;
    for (const std::string& name : LibraryFolder::EntriesWithExtension(folder, extension)) {
        try {
            ids.push_back(Util::ParseInt(LibraryFolder::TitleOf(name)));
        } catch (const ApplicationException&) {
            // Not a library file name; the game skips it too.
        }
    }
    return ids;
}

void CheckIdIsNew(const std::string& folder, const std::string& extension, int32_t id, const char* what) {
    const std::vector<int32_t> ids = IdsOfFiles(folder, extension);
    if (std::find(ids.begin(), ids.end(), id) != ids.end())
        Refuse(std::string(what) + " " + std::to_string(id) + " already exists");
}

// Checks the picture the way the game reads it, with the game's own decoder: the size in its
// header is held to the same limits before any pixel memory is taken, and a picture the game
// would refuse (truncated, corrupt, of no known format) is refused here. Returns its bytes.
std::string ReadPicture(const std::string& path) {
    const Gdiplus::Size fullSize(Gdiplus::Bitmap::kMaxSide + 1, Gdiplus::Bitmap::kMaxSide + 1);
    switch (const PictureCheck::Verdict verdict = PictureCheck::Check(path, fullSize)) {
    case PictureCheck::Verdict::Shown:
        break;
    case PictureCheck::Verdict::NotAPlainFile:
        Refuse("not a picture: " + path + " (" + PictureCheck::Reason(verdict) + ")");
    case PictureCheck::Verdict::TooLarge:
        Refuse("picture too large for the game: " + path);
    case PictureCheck::Verdict::NotAPicture:
        Refuse("not a picture the game can show: " + path + " (" + PictureCheck::Reason(verdict) + ")");
    }
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (!in)
        Refuse("cannot read " + path);
    return bytes.str();
}

int32_t NextFreePuzzleId(const std::string& folder) {
    int64_t highest = 0;
    for (const char* extension : {".dat", ".jpg", ".ogg"})
        for (const int32_t id : IdsOfFiles(folder + "Puzzles/", extension))
            highest = std::max<int64_t>(highest, id);
    Pack::ScanPacks(folder);
    for (const auto& pack : PackList())
        for (const int32_t id : pack->puzzleIds)
            highest = std::max<int64_t>(highest, id);
    return static_cast<int32_t>(std::min<int64_t>(highest + 1, INT32_MAX));
}

// Remembers what this run created, and removes it again unless the run completes.
class WrittenFiles {
public:
    ~WrittenFiles() {
        if (committed)
            return;
        for (auto file = files.rbegin(); file != files.rend(); ++file)
            unlink(file->c_str());
        if (!createdFolder.empty())
            rmdir(createdFolder.c_str());
    }

    void MakeFolder(const std::string& folder) {
        if (mkdir(folder.c_str(), 0777) == 0)
            createdFolder = folder;
        else if (errno != EEXIST)
            FailWrite("cannot create " + folder, errno);
    }

    void Write(const std::string& path, const std::string& bytes) {
        LibraryWriter::WriteFileAtomically(path, bytes, LibraryWriter::Existing::Refuse);
        files.push_back(path);
    }

    void WriteProperties(const std::string& path, const LibraryWriter::Properties& properties) {
        LibraryWriter::WritePropertyFile(path, properties, LibraryWriter::Existing::Refuse);
        files.push_back(path);
    }

    void Commit() { committed = true; }

private:
    std::vector<std::string> files;
    std::string createdFolder;
    bool committed = false;
};

}   // namespace

int32_t ParseId(const std::string& text, const char* what) {
    if (text.empty() || text.size() > 10 || text.find_first_not_of("0123456789") != std::string::npos)
        Refuse(std::string("bad ") + what + " '" + text + "': expected a number from 0 to 2147483647");
    const long long value = std::stoll(text);
    if (value > INT32_MAX)
        Refuse(std::string("bad ") + what + " '" + text + "': expected a number from 0 to 2147483647");
    return static_cast<int32_t>(value);
}

void AddCategory(const std::string& folder, int32_t id, const std::string& name) {
    CheckFolder(folder);
    CheckName(name, "category");
    const LibraryWriter::Properties properties = {{"Name", name}};
    CheckReadsBack(properties);
    CheckIdIsNew(folder, ".ctg", id, "category");
    try {
        LibraryWriter::WritePropertyFile(folder + std::to_string(id) + ".ctg", properties,
                                         LibraryWriter::Existing::Refuse);
    } catch (const std::system_error& e) {
        FailWrite(e.what(), e.code().value());
    }
}

void AddPack(const PackRequest& request) {
    const std::string& folder = request.folder;
    CheckFolder(folder);
    CheckName(request.name, "pack");
    if (request.pictures.empty())
        Refuse("a pack needs at least one picture");
    CheckIdIsNew(folder, ".pck", request.id, "pack");
    Category::ScanCategories(folder);
    if (!Category::FindById(request.categoryId))
        Refuse("unknown category " + std::to_string(request.categoryId) + " (no readable category file with that id)");

    std::vector<std::string> pictures;
    for (const std::string& path : request.pictures)
        pictures.push_back(ReadPicture(path));

    const int32_t first = NextFreePuzzleId(folder);
    if (static_cast<int64_t>(first) + static_cast<int64_t>(pictures.size()) - 1 >= INT32_MAX)
        Refuse("no free puzzle ids left");
    std::string idList;
    for (size_t i = 0; i < pictures.size(); ++i) {
        if (i > 0)
            idList += ',';
        idList += std::to_string(first + static_cast<int32_t>(i));
    }
    const LibraryWriter::Properties packProperties = {{"Name", request.name}, {"Puzzles", idList}};
    CheckReadsBack(packProperties);

    WrittenFiles written;
    try {
        written.MakeFolder(folder + "Puzzles");
        for (size_t i = 0; i < pictures.size(); ++i) {
            const std::string base = folder + "Puzzles/" + Puzzle::BaseName(first + static_cast<int32_t>(i));
            written.Write(base + ".jpg", pictures[i]);
            written.WriteProperties(base + ".dat", {{"Category", std::to_string(request.categoryId)}});
        }
        // The pack comes last, so it never lists a puzzle whose files are not there yet.
        written.WriteProperties(folder + std::to_string(request.id) + ".pck", packProperties);
    } catch (const std::system_error& e) {
        FailWrite(e.what(), e.code().value());
    }
    written.Commit();
}

}   // namespace AddCommands
