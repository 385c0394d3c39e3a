// SPDX-License-Identifier: GPL-3.0-or-later
#include "packsweep/CMainDlg.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <memory>
#include <string_view>
#include <unordered_set>

#include "foundation/ApplicationException.h"
#include "library/MakerSite.h"
#include "library/Pack.h"
#include "library/Puzzle.h"

namespace {

constexpr const char* kTextGameRunning = "Please close Tessiva Orlune and try again";
constexpr const char* kTextSelectPack = "Please select a pack and try again. ";
constexpr const char* kTextConfirm = "Are you sure you want to uninstall the following packs?\r\n";
constexpr const char* kCaptionConfirm = "Confirm Uninstall";
constexpr const char* kTextSomeErrors =
    "Uninstallation completed with some errors. \r\n"
    "Please make sure Tessiva Orlune is closed and try again. ";
constexpr const char* kTextSuccess = "Selected packs successfully uninstalled. ";
constexpr const char* kLineEnd = "\r\n";

// A list control sorts its rows ignoring (ASCII) case; ties fall back to the bytes, so the
// order does not depend on the locale or on the order the folder gave.
bool ListOrderLess(const std::string& a, const std::string& b) {
    const auto folded = [](std::string text) {
        for (char& c : text) {
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
        }
        return text;
    };
    const std::string foldedA = folded(a), foldedB = folded(b);
    return foldedA != foldedB ? foldedA < foldedB : a < b;
}

// The base name of a puzzle file's name "<base>.<extension>", any extension in any case; empty
// for other names. Exactly one dot and a non-empty extension, so "00000007.dat.bak" and a
// bare "00000007" are not the puzzle's files (nor is "00000007x.jpg", whose base differs).
std::string_view BaseOfPuzzleFileName(std::string_view name) {
    const size_t dot = name.find('.');
    if (dot == 0 || dot == std::string_view::npos || dot + 1 == name.size() ||
        name.find('.', dot + 1) != std::string_view::npos)
        return {};
    return name.substr(0, dot);
}

// Whether a skipped pack file leaves what it lists unknown: a plain file that could not be
// opened or read (permissions, an I/O error). A file that is gone (which cannot be opened
// either), not a plain file, too large or not a pack file by its name or content lists nothing,
// as in the game.
bool LeavesItsPuzzlesUnknown(const std::string& path, FailureCause cause) {
    if (cause != FailureCause::CannotRead)
        return false;
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

}   // namespace

CMainDlg::CMainDlg(DialogHost& host, std::string programFolder, Services services)
    : host(host),
      programFolder(std::move(programFolder)),
      puzzlesFolder(this->programFolder + "Puzzles/"),
      services(std::move(services)) {}

bool CMainDlg::DeleteDirectoryEntry(const std::string& path) { return ::unlink(path.c_str()) == 0; }

void CMainDlg::RefreshPackList() {
    // The rows point into PackList, so they go before the list is read anew.
    listItems.clear();
    host.SetListItems({});

    Pack::ScanPacks(programFolder, {}, services.readFile);
    for (const auto& pack : PackList())
        listItems.push_back(pack.get());
    std::stable_sort(listItems.begin(), listItems.end(),
                     [](const Pack* a, const Pack* b) { return ListOrderLess(a->name, b->name); });

    std::vector<std::string> texts;
    texts.reserve(listItems.size());
    for (const Pack* pack : listItems)
        texts.push_back(pack->name);
    host.SetListItems(texts);
}

void CMainDlg::OnBtnUninstall() {
    try {
        if (services.gameIsRunning()) {
            host.ShowMessageBox(kTextGameRunning, std::nullopt, MessageBoxIcon::Information, MessageBoxButtons::Ok);
            return;
        }
        const std::vector<size_t> rows = host.SelectedListItems();
        if (rows.empty()) {
            host.ShowMessageBox(kTextSelectPack, "", MessageBoxIcon::Information, MessageBoxButtons::Ok);
            return;
        }
        const std::optional<std::vector<const Pack*>> selected = ConfirmSelection(rows);
        if (!selected)
            return;

        // A pack's puzzles go only after its pack file has gone, and a pack whose file stays
        // (locked, in a read-only folder) keeps every puzzle it lists, shared ones included:
        // an installed pack must never be left without its pictures.
        const std::vector<const Pack*> removed = DeletePackFiles(*selected);
        bool errors = removed.size() != selected->size();
        // The puzzles to keep are those of every pack file on disk now, not only of the packs
        // listed: one may have been added since the list was read, and the files that could
        // not be deleted are among them. A pack file that cannot be read may list any puzzle:
        // then none is deleted.
        const std::optional<std::vector<int32_t>> keptIds = ReadKeptPuzzleIds();
        if (!keptIds || !DeleteUnsharedPuzzleFiles(removed, *keptIds))
            errors = true;

        RefreshPackList();
        host.ShowMessageBox(errors ? kTextSomeErrors : kTextSuccess, "", MessageBoxIcon::Information,
                            MessageBoxButtons::Ok);
    } catch (...) {
        // Containment point: the whole uninstall command; the dialog stays usable.
    }
}

std::optional<std::vector<const Pack*>> CMainDlg::ConfirmSelection(const std::vector<size_t>& rows) {
    std::vector<const Pack*> remaining;
    for (const auto& pack : PackList())
        remaining.push_back(pack.get());
    std::vector<const Pack*> selected;
    std::string confirmation = kTextConfirm;
    for (size_t row : rows) {
        try {
            // A row the list does not have, or whose pack is no longer in PackList, is left out.
            if (row >= listItems.size())
                continue;
            const Pack* pack = listItems[row];
            const auto found = std::find(remaining.begin(), remaining.end(), pack);
            if (found == remaining.end())
                continue;
            remaining.erase(found);
            selected.push_back(pack);
            confirmation += pack->name + kLineEnd;
        } catch (...) {
            // Containment point: one selected item.
        }
    }
    if (host.ShowMessageBox(confirmation, kCaptionConfirm, MessageBoxIcon::Question, MessageBoxButtons::YesNo) !=
        MessageBoxAnswer::Yes)
        return std::nullopt;
    return selected;
}

std::vector<const Pack*> CMainDlg::DeletePackFiles(const std::vector<const Pack*>& packs) {
    std::vector<const Pack*> removed;
    for (const Pack* pack : packs) {
        try {
            RaiseErrorIfFalse(services.deleteFile(pack->path), "CMainDlg::OnBtnUninstall (229)");
            removed.push_back(pack);
        } catch (...) {
            // Containment point: one pack's deletion; the pack stays with all its puzzles.
        }
    }
    return removed;
}

std::optional<std::vector<int32_t>> CMainDlg::ReadKeptPuzzleIds() const {
    try {
        bool known = true;
        const Pack::Scan scan = Pack::ReadPacks(
            programFolder,
            [&](const SkippedItem& item) {
                if (LeavesItsPuzzlesUnknown(programFolder + item.fileName, item.cause))
                    known = false;
            },
            services.readFile);
        if (!known || !scan.listed)
            return std::nullopt;
        std::vector<int32_t> keptIds;
        for (const auto& pack : scan.packs)
            keptIds.insert(keptIds.end(), pack->puzzleIds.begin(), pack->puzzleIds.end());
        std::sort(keptIds.begin(), keptIds.end());
        return keptIds;
    } catch (...) {
        // Containment point: reading the pack files on disk; what they list stays unknown.
        return std::nullopt;
    }
}

bool CMainDlg::DeleteUnsharedPuzzleFiles(const std::vector<const Pack*>& packs, const std::vector<int32_t>& keptIds) {
    try {
        std::vector<int32_t> unshared;
        for (const Pack* pack : packs) {
            for (int32_t id : pack->puzzleIds) {
                if (!std::binary_search(keptIds.begin(), keptIds.end(), id))
                    unshared.push_back(id);
            }
        }
        DeletePuzzleFiles(unshared);
        return true;
    } catch (...) {
        // Containment point: the removed packs' puzzle files.
        return false;
    }
}

void CMainDlg::OpenDownloadPage() {
    try {
        services.openUrl(MakerSite::UrlMorePuzzles());
    } catch (...) {
        // Containment point: opening a web page.
    }
}

void CMainDlg::DeletePuzzleFiles(int32_t id) { DeletePuzzleFiles(std::vector<int32_t>{id}); }

void CMainDlg::DeletePuzzleFiles(const std::vector<int32_t>& ids) {
    if (ids.empty())
        return;
    std::unordered_set<std::string> bases;
    for (int32_t id : ids)
        bases.insert(Puzzle::BaseName(id));
    // One listing for all the ids: a pack may list tens of thousands of puzzles.
    std::vector<std::string> names;
    {
        const std::unique_ptr<DIR, int (*)(DIR*)> folder(::opendir(puzzlesFolder.c_str()), ::closedir);
        if (!folder)
            return;
        while (const dirent* entry = ::readdir(folder.get())) {
            if (bases.count(std::string(BaseOfPuzzleFileName(entry->d_name))))
                names.emplace_back(entry->d_name);
        }
    }
    for (const std::string& name : names) {
        const std::string path = puzzlesFolder + name;
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || S_ISDIR(info.st_mode))
            continue;
        services.deleteFile(path);   // a file that cannot be deleted is left as it is
    }
}
