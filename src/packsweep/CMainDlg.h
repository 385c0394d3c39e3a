// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pack remover's dialog logic: lists the installed packs and uninstalls the selected ones.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "foundation/Util.h"
#include "packsweep/DialogHost.h"

class Pack;

class CMainDlg {
public:
    // The dialog's reach beyond its folder listing; tests replace each of them.
    struct Services {
        // Whether a window of the game's main class exists in this user's session; while one
        // does, nothing is deleted.
        std::function<bool()> gameIsRunning;
        // Removes one directory entry without following it; true when it is gone.
        std::function<bool(const std::string& path)> deleteFile = DeleteDirectoryEntry;
        // Reads a pack file whole, as Util::ReadFileAscii does, raising with its causes.
        std::function<std::string(const std::string& path, bool swapNibbles)> readFile = Util::ReadFileAscii;
        // Opens a web address in the user's browser; raises when it cannot.
        std::function<void(const std::string& url)> openUrl;
    };

    // programFolder ends in '/'; the packs are read from it, the puzzles from its "Puzzles/".
    CMainDlg(DialogHost& host, std::string programFolder, Services services);

    // Rereads the pack files and shows their names, sorted.
    void RefreshPackList();
    // Uninstalls the selected packs after confirmation; every failure is contained here.
    void OnBtnUninstall();
    // Opens the page of more puzzles; a failure is ignored.
    void OpenDownloadPage();
    // Deletes every file "<base name>.<extension>" of the puzzle from the puzzles folder.
    void DeletePuzzleFiles(int32_t id);
    // The same for several puzzles, with one listing of the folder.
    void DeletePuzzleFiles(const std::vector<int32_t>& ids);

    // The packs behind the list's rows, top to bottom.
    const std::vector<const Pack*>& ListItems() const { return listItems; }

    // unlink(2): a link goes, its target stays; a folder is never removed.
    static bool DeleteDirectoryEntry(const std::string& path);

private:
    // The steps of OnBtnUninstall, in order.

    // Asks to confirm the packs of the selected rows that are still in PackList, each row
    // contained on its own; those packs in row order when the answer is Yes, else nothing.
    std::optional<std::vector<const Pack*>> ConfirmSelection(const std::vector<size_t>& rows);
    // Deletes the packs' files, each contained on its own; the packs whose file went, in order.
    std::vector<const Pack*> DeletePackFiles(const std::vector<const Pack*>& packs);
    // The puzzle ids of every pack file now in the program folder, sorted; nothing when they
    // cannot be known whole: the folder cannot be listed, a pack file in it cannot be read, or
    // a failure stopped the reading.
    std::optional<std::vector<int32_t>> ReadKeptPuzzleIds() const;
    // Deletes the files of the packs' puzzles that keptIds (sorted) lacks; false when a failure
    // stopped it.
    bool DeleteUnsharedPuzzleFiles(const std::vector<const Pack*>& packs, const std::vector<int32_t>& keptIds);

    DialogHost& host;
    const std::string programFolder;
    const std::string puzzlesFolder;
    Services services;
    std::vector<const Pack*> listItems;   // owned by PackList
};
