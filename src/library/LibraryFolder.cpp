// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/LibraryFolder.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <exception>
#include <memory>
#include <stdexcept>

#include "foundation/ApplicationException.h"

namespace LibraryFolder {

namespace {
char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EndsWithIgnoringCase(const std::string& name, const std::string& ending) {
    if (name.size() < ending.size())
        return false;
    return std::equal(ending.begin(), ending.end(), name.end() - static_cast<std::ptrdiff_t>(ending.size()),
                      [](char a, char b) { return AsciiLower(a) == AsciiLower(b); });
}

struct CloseDir {
    void operator()(DIR* d) const { closedir(d); }
};
using DirHandle = std::unique_ptr<DIR, CloseDir>;

// Calls back with every entry of the folder; false when it cannot be opened or a read of it
// fails part way (the entries given so far are then not the whole folder).
bool ForEachEntry(const std::string& folder, const std::function<void(const dirent& entry)>& onEntry) {
    const DirHandle dir(opendir(folder.c_str()));
    if (!dir)
        return false;
    for (;;) {
        errno = 0;
        const dirent* entry = readdir(dir.get());
        if (!entry)
            return errno == 0;
        onEntry(*entry);
    }
}

bool LessIgnoringCase(const std::string& a, const std::string& b) {
    const auto lowerLess = [](char x, char y) {
        return static_cast<unsigned char>(AsciiLower(x)) < static_cast<unsigned char>(AsciiLower(y));
    };
    if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), lowerLess))
        return true;
    if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), lowerLess))
        return false;
    return a < b;
}
}   // namespace

std::vector<std::string> EntriesWithExtension(const std::string& folder, const std::string& extension, bool* listed) {
    std::vector<std::string> names;
    const bool whole = ForEachEntry(folder, [&](const dirent& entry) {
        if (EndsWithIgnoringCase(entry.d_name, extension))
            names.emplace_back(entry.d_name);
    });
    if (listed)
        *listed = whole;
    std::sort(names.begin(), names.end(), LessIgnoringCase);
    return names;
}

bool ReadEachFile(const std::string& folder, const std::string& extension,
                  const std::function<void(const std::string& title, const std::string& path)>& read,
                  const SkipObserver& onSkip) {
    bool listed = false;
    for (const std::string& fileName : EntriesWithExtension(folder, extension, &listed)) {
        try {
            read(TitleOf(fileName), folder + fileName);
        } catch (...) {   // containment point: library reading per file
            if (onSkip)
                onSkip({SkippedItem::Kind::File, fileName, 0, CurrentFailureCause(), CurrentFailureReason()});
        }
    }
    return listed;
}

std::string TitleOf(const std::string& fileName) {
    const size_t dot = fileName.rfind('.');
    return dot == std::string::npos ? fileName : fileName.substr(0, dot);
}

bool FileExists(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool ForEachFileIn(const std::string& folder, const std::function<void(const std::string& name)>& onFile) {
    return ForEachEntry(folder, [&](const dirent& entry) {
        // Links and file systems that give no type are asked, as FileExists would.
        if (entry.d_type == DT_REG || FileExists(folder + entry.d_name))
            onFile(entry.d_name);
    });
}

std::string CurrentFailureReason() {
    try {
        throw;
    } catch (const ApplicationException& e) {
        return e.LocationText();
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {   // containment point: library reading per file and per puzzle
        return "unknown failure";
    }
}

FailureCause CurrentFailureCause() {
    try {
        throw;
    } catch (const ApplicationException& e) {
        return e.Cause == FailureCause::Unspecified ? FailureCause::ContentUnusable : e.Cause;
    } catch (...) {   // containment point: library reading per file and per puzzle
        return FailureCause::Unspecified;
    }
}

}   // namespace LibraryFolder
