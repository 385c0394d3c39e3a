#pragma once
// The pack remover's dialog logic: lists the installed packs and uninstalls the selected ones.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

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
    // Appends the puzzle ids of every pack file now in the program folder. False when that
    // cannot be known whole: the folder cannot be listed, or a pack file in it cannot be read.
    bool KeptPuzzleIds(std::vector<int32_t>& keptIds) const;

    DialogHost& host;
    const std::string programFolder;
    const std::string puzzlesFolder;
    Services services;
    std::vector<const Pack*> listItems;   // owned by PackList
};
