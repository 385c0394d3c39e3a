#include "packsweep/CMainDlg.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <memory>
#include <string_view>

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

// Exactly "<base>.<extension>": one dot, a non-empty extension, so "00000007.dat.bak",
// "00000007x.jpg" and a bare "00000007" are not the puzzle's files.
bool IsPuzzleFileName(std::string_view name, std::string_view base) {
    if (name.size() <= base.size() + 1 || name.substr(0, base.size()) != base ||
        name[base.size()] != '.')
        return false;
    return name.substr(base.size() + 1).find('.') == std::string_view::npos;
}

}  // namespace

CMainDlg::CMainDlg(DialogHost& host, std::string programFolder, Services services)
    : host(host),
      programFolder(std::move(programFolder)),
      puzzlesFolder(this->programFolder + "Puzzles/"),
      services(std::move(services)) {}

bool CMainDlg::DeleteDirectoryEntry(const std::string& path) {
    return ::unlink(path.c_str()) == 0;
}

void CMainDlg::RefreshPackList() {
    // The rows point into PackList, so they go before the list is read anew.
    listItems.clear();
    host.SetListItems({});

    Pack::ScanPacks(programFolder);
    for (const auto& pack : PackList())
        listItems.push_back(pack.get());
    std::stable_sort(listItems.begin(), listItems.end(), [](const Pack* a, const Pack* b) {
        return ListOrderLess(a->name, b->name);
    });

    std::vector<std::string> texts;
    texts.reserve(listItems.size());
    for (const Pack* pack : listItems)
        texts.push_back(pack->name);
    host.SetListItems(texts);
}

void CMainDlg::OnBtnUninstall() {
    try {
        if (services.gameIsRunning()) {
            host.ShowMessageBox(kTextGameRunning, std::nullopt, MessageBoxIcon::Information,
                                MessageBoxButtons::Ok);
            return;
        }
        const std::vector<size_t> rows = host.SelectedListItems();
        if (rows.empty()) {
            host.ShowMessageBox(kTextSelectPack, "", MessageBoxIcon::Information,
                                MessageBoxButtons::Ok);
            return;
        }

        std::vector<const Pack*> remaining;
        for (const auto& pack : PackList())
            remaining.push_back(pack.get());
        std::vector<const Pack*> selected;
        std::string confirmation = kTextConfirm;
        for (size_t row : rows) {
            try {
                // A row whose pack is no longer in PackList is left out.
                const Pack* pack = listItems.at(row);
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

        if (host.ShowMessageBox(confirmation, kCaptionConfirm, MessageBoxIcon::Question,
                                MessageBoxButtons::YesNo) != MessageBoxAnswer::Yes)
            return;

        // A pack's puzzles go only after its pack file has gone, and a pack whose file stays
        // (locked, in a read-only folder) keeps every puzzle it lists, shared ones included:
        // an installed pack must never be left without its pictures.
        std::vector<int32_t> keptIds;
        for (const Pack* pack : remaining)
            keptIds.insert(keptIds.end(), pack->puzzleIds.begin(), pack->puzzleIds.end());
        bool errors = false;
        std::vector<const Pack*> removed;
        for (const Pack* pack : selected) {
            try {
                RaiseErrorIfFalse(services.deleteFile(pack->path),
                                  "CMainDlg::OnBtnUninstall (229)");
                removed.push_back(pack);
            } catch (...) {
                // Containment point: one pack's deletion; the pack stays with all its puzzles.
                errors = true;
                keptIds.insert(keptIds.end(), pack->puzzleIds.begin(), pack->puzzleIds.end());
            }
        }
        std::sort(keptIds.begin(), keptIds.end());
        for (const Pack* pack : removed) {
            try {
                for (int32_t id : pack->puzzleIds) {
                    if (!std::binary_search(keptIds.begin(), keptIds.end(), id))
                        DeletePuzzleFiles(id);
                }
            } catch (...) {
                // Containment point: one pack's deletion, its puzzle files.
                errors = true;
            }
        }

        RefreshPackList();
        host.ShowMessageBox(errors ? kTextSomeErrors : kTextSuccess, "",
                            MessageBoxIcon::Information, MessageBoxButtons::Ok);
    } catch (...) {
        // Containment point: the whole uninstall command; the dialog stays usable.
    }
}

void CMainDlg::OpenDownloadPage() {
    try {
        services.openUrl(MakerSite::UrlMorePuzzles());
    } catch (...) {
        // Containment point: opening a web page.
    }
}

void CMainDlg::DeletePuzzleFiles(int32_t id) {
    const std::string base = Puzzle::BaseName(id);
    std::vector<std::string> names;
    {
        const std::unique_ptr<DIR, int (*)(DIR*)> folder(::opendir(puzzlesFolder.c_str()),
                                                          ::closedir);
        if (!folder)
            return;
        while (const dirent* entry = ::readdir(folder.get())) {
            if (IsPuzzleFileName(entry->d_name, base))
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
