// SPDX-License-Identifier: GPL-3.0-or-later
// The pack remover's logic on a temporary program folder, with a recording dialog.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <set>

#include "foundation/ApplicationException.h"
#include "foundation/Util.h"
#include "library/LibraryWriter.h"
#include "library/MakerSite.h"
#include "library/Pack.h"
#include "packsweep/CMainDlg.h"
#include "support/TempFolder.h"

namespace fs = std::filesystem;

namespace {

struct MessageBoxCall {
    std::string text;
    std::optional<std::string> caption;
    MessageBoxIcon icon;
    MessageBoxButtons buttons;
};

// Shows nothing: keeps the rows, selects rows by name and answers message boxes as told.
class RecordingHost : public DialogHost {
public:
    void SetListItems(const std::vector<std::string>& texts) override { rows = texts; }

    std::vector<size_t> SelectedListItems() const override {
        std::vector<size_t> selected;
        for (size_t row = 0; row < rows.size(); ++row) {
            if (std::count(selection.begin(), selection.end(), rows[row]))
                selected.push_back(row);
        }
        return selected;
    }

    MessageBoxAnswer ShowMessageBox(const std::string& text, const std::optional<std::string>& caption,
                                    MessageBoxIcon icon, MessageBoxButtons buttons) override {
        messages.push_back({text, caption, icon, buttons});
        if (buttons == MessageBoxButtons::Ok)
            return MessageBoxAnswer::Ok;
        return answer;
    }

    std::vector<std::string> rows;
    std::vector<std::string> selection;
    MessageBoxAnswer answer = MessageBoxAnswer::Yes;
    std::vector<MessageBoxCall> messages;
};

const std::string kSuccess = "Selected packs successfully uninstalled. ";
const std::string kSomeErrors =
    "Uninstallation completed with some errors. \r\n"
    "Please make sure Tessiva Orlune is closed and try again. ";

// The pack Alpha's file and every file of its puzzle 1, which no other pack lists.
const std::vector<std::string> kAlphaFiles = {"10.pck",
                                              "Puzzles/00000001.dat",
                                              "Puzzles/00000001.jpg",
                                              "Puzzles/00000001.JPG",
                                              "Puzzles/00000001.ogg",
                                              "Puzzles/00000001.lnk"};

// A program folder with three packs: Alpha (1, 7), Beta (2, 7) and Gamma (3). Puzzle 1 has
// four pictures (one spelled ".JPG", which the game reads too) and a link to a file outside;
// beside them lie files and a folder that only look like puzzle 1's or 7's.
class PacksweepLogicTest : public ::testing::Test {
protected:
    void SetUp() override {
        // A fresh folder each time, the previous one removed first.
        folder.emplace();
        program = folder->path + "program/";
        fs::create_directories(program + "Puzzles");

        WritePack("10.pck", "Alpha", "1,7");
        WritePack("20.pck", "Beta", "2, 7");
        WritePack("30.pck", "Gamma", "3");
        for (const char* name : {"00000001.dat", "00000001.jpg", "00000001.JPG", "00000001.ogg", "00000002.dat",
                                 "00000002.jpg", "00000003.dat", "00000003.jpg", "00000007.dat", "00000007.jpg",
                                 // not puzzle files: a second extension, a longer name, no extension
                                 "00000007.dat.bak", "00000001x.jpg", "00000001"})
            Touch(program + "Puzzles/" + name);
        fs::create_directory(program + "Puzzles/00000001.old");
        Touch(program + "Puzzles/00000001.old/keep.jpg");
        fs::create_symlink(folder->Write("outside.jpg", "x"), program + "Puzzles/00000001.lnk");

        services = CMainDlg::Services();
        services.gameIsRunning = [this] { return gameRunning; };
        services.openUrl = [this](const std::string& url) { openedUrls.push_back(url); };
    }

    // A fresh folder and dialog for the next case of a table.
    void Restart() {
        dialog.reset();
        SetUp();
        host = RecordingHost();
    }

    void WritePack(const std::string& file, const std::string& name, const std::string& ids) {
        LibraryWriter::WritePropertyFile(program + file, {{"Name", name}, {"Puzzles", ids}},
                                         LibraryWriter::Existing::Replace);
    }

    static void Touch(const std::string& path) { std::ofstream(path) << "x"; }

    // Every entry below the program folder, links not followed.
    std::set<std::string> Files() const {
        std::set<std::string> files;
        for (const auto& entry : fs::recursive_directory_iterator(program))
            files.insert(entry.path().lexically_relative(program).string());
        return files;
    }

    static std::set<std::string> Without(std::set<std::string> files, const std::vector<std::string>& gone) {
        for (const std::string& file : gone)
            EXPECT_EQ(files.erase(file), 1u) << file;
        return files;
    }

    // The dialog after start-up: the list read from the folder.
    CMainDlg& Dialog() {
        if (!dialog) {
            dialog = std::make_unique<CMainDlg>(host, program, services);
            dialog->RefreshPackList();
        }
        return *dialog;
    }

    std::optional<TempFolder> folder;
    std::string program;   // the folder's "program/"; "outside.jpg" lies beside it
    RecordingHost host;
    bool gameRunning = false;
    std::vector<std::string> openedUrls;
    CMainDlg::Services services;
    std::unique_ptr<CMainDlg> dialog;
};

TEST_F(PacksweepLogicTest, ListsReadablePacksSortedByNameIgnoringCase) {
    WritePack("5.pck", "beta two", "4");
    WritePack("6.pck", "alpha two", "5");
    LibraryWriter::WritePropertyFile(program + "8.pck", {{"Name", "No puzzles"}}, LibraryWriter::Existing::Replace);
    Touch(program + "notanumber.pck");

    Dialog();
    const std::vector<std::string> expected = {"Alpha", "alpha two", "Beta", "beta two", "Gamma"};
    EXPECT_EQ(host.rows, expected);
    ASSERT_EQ(Dialog().ListItems().size(), expected.size());
    for (size_t row = 0; row < expected.size(); ++row)
        EXPECT_EQ(Dialog().ListItems()[row]->name, expected[row]);
}

TEST_F(PacksweepLogicTest, UninstallRemovesThePacksAndThePuzzlesNoOtherPackLists) {
    struct Case {
        std::vector<std::string> selection;
        std::vector<std::string> gone;
        std::vector<std::string> rowsAfter;
    };
    std::vector<std::string> alphaAndBetaFiles = kAlphaFiles;
    alphaAndBetaFiles.insert(alphaAndBetaFiles.end(), {"20.pck", "Puzzles/00000002.dat", "Puzzles/00000002.jpg",
                                                       "Puzzles/00000007.dat", "Puzzles/00000007.jpg"});
    const Case cases[] = {
        // Beta still lists 7, so it stays.
        {{"Alpha"}, kAlphaFiles, {"Beta", "Gamma"}},
        {{"Alpha", "Beta"}, alphaAndBetaFiles, {"Gamma"}},
    };
    for (const Case& c : cases) {
        Restart();
        const std::set<std::string> before = Files();

        Dialog();
        host.selection = c.selection;
        Dialog().OnBtnUninstall();

        SCOPED_TRACE(c.selection.size() == 1 ? "Alpha alone" : "Alpha and Beta");
        EXPECT_EQ(Files(), Without(before, c.gone));
        EXPECT_TRUE(fs::exists(folder->path + "outside.jpg"));
        EXPECT_EQ(host.rows, c.rowsAfter);
        ASSERT_EQ(host.messages.size(), 2u);
        EXPECT_EQ(host.messages[1].text, kSuccess);
        EXPECT_EQ(host.messages[1].caption, std::optional<std::string>(""));
        EXPECT_EQ(host.messages[1].icon, MessageBoxIcon::Information);
    }
}

TEST_F(PacksweepLogicTest, ConfirmationListsTheSelectionInListOrderAndNoKeepsEverything) {
    Dialog();
    const std::set<std::string> before = Files();
    host.selection = {"Gamma", "Alpha"};
    host.answer = MessageBoxAnswer::No;

    Dialog().OnBtnUninstall();

    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Are you sure you want to uninstall the following packs?\r\nAlpha\r\nGamma\r\n");
    EXPECT_EQ(host.messages[0].caption, std::optional<std::string>("Confirm Uninstall"));
    EXPECT_EQ(host.messages[0].icon, MessageBoxIcon::Question);
    EXPECT_EQ(host.messages[0].buttons, MessageBoxButtons::YesNo);
    EXPECT_EQ(Files(), before);
    EXPECT_EQ(host.rows, (std::vector<std::string>{"Alpha", "Beta", "Gamma"}));
}

TEST_F(PacksweepLogicTest, RefusesWithoutAskingWhileTheGameRunsOrNothingIsSelected) {
    struct Case {
        bool gameRunning;
        std::vector<std::string> selection;
        std::string text;
        std::optional<std::string> caption;
    };
    const Case cases[] = {
        {true, {"Alpha"}, "Please close Tessiva Orlune and try again", std::nullopt},
        {false, {}, "Please select a pack and try again. ", ""},
    };
    Dialog();
    const std::set<std::string> before = Files();
    for (const Case& c : cases) {
        host.messages.clear();
        gameRunning = c.gameRunning;
        host.selection = c.selection;

        Dialog().OnBtnUninstall();

        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].text, c.text);
        EXPECT_EQ(host.messages[0].caption, c.caption);
        EXPECT_EQ(host.messages[0].icon, MessageBoxIcon::Information);
        EXPECT_EQ(host.messages[0].buttons, MessageBoxButtons::Ok);
        EXPECT_EQ(Files(), before);
    }
}

// A pack file that cannot be deleted keeps its pack whole, puzzles shared with other selected
// packs included, whichever of them comes first.
TEST_F(PacksweepLogicTest, PackFileThatCannotBeDeletedKeepsThePackAndAllItsPuzzles) {
    struct Case {
        std::string stuck;   // the pack whose file cannot be deleted
        std::vector<std::string> gone;
        std::vector<std::string> rowsAfter;
    };
    const Case cases[] = {
        {"20.pck",
         {"10.pck", "Puzzles/00000001.dat", "Puzzles/00000001.jpg", "Puzzles/00000001.JPG", "Puzzles/00000001.ogg",
          "Puzzles/00000001.lnk"},
         {"Beta", "Gamma"}},
        {"10.pck", {"20.pck", "Puzzles/00000002.dat", "Puzzles/00000002.jpg"}, {"Alpha", "Gamma"}},
    };
    for (const Case& c : cases) {
        Restart();
        // Permissions do not stop root, so the failure is made here.
        const std::string stuckPath = program + c.stuck;
        services.deleteFile = [stuckPath](const std::string& path) {
            return path != stuckPath && CMainDlg::DeleteDirectoryEntry(path);
        };
        const std::set<std::string> before = Files();

        Dialog();
        host.selection = {"Alpha", "Beta"};
        Dialog().OnBtnUninstall();

        SCOPED_TRACE(c.stuck);
        EXPECT_EQ(Files(), Without(before, c.gone));
        EXPECT_EQ(host.rows, c.rowsAfter);
        ASSERT_EQ(host.messages.size(), 2u);
        EXPECT_EQ(host.messages[1].text, kSomeErrors);
        EXPECT_EQ(host.messages[1].caption, std::optional<std::string>(""));
    }
}

TEST_F(PacksweepLogicTest, PackFileGoneSinceTheListWasReadIsReportedAsAnError) {
    Dialog();
    fs::remove(program + "20.pck");
    host.selection = {"Beta"};

    Dialog().OnBtnUninstall();

    EXPECT_TRUE(fs::exists(program + "Puzzles/00000002.jpg"));
    EXPECT_EQ(host.rows, (std::vector<std::string>{"Alpha", "Gamma"}));
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.messages[1].text, kSomeErrors);
}

// What the packs on disk list when the deletion starts decides, not the list read before.
TEST_F(PacksweepLogicTest, PacksOnDiskAtTheMomentOfDeletionDecideWhatIsKept) {
    struct Case {
        const char* change;   // made while the dialog is open
        std::function<void()> make;
        std::vector<std::string> gone;
    };
    const Case cases[] = {
        {"Delta, listing 1, added", [this] { WritePack("40.pck", "Delta", "1"); }, {"10.pck"}},
        {"Beta removed",
         [this] { fs::remove(program + "20.pck"); },
         {"10.pck", "20.pck", "Puzzles/00000001.dat", "Puzzles/00000001.jpg", "Puzzles/00000001.JPG",
          "Puzzles/00000001.ogg", "Puzzles/00000001.lnk", "Puzzles/00000007.dat", "Puzzles/00000007.jpg"}},
    };
    for (const Case& c : cases) {
        Restart();
        const std::set<std::string> before = Files();
        Dialog();
        c.make();
        const std::set<std::string> changed = Files();
        host.selection = {"Alpha"};

        Dialog().OnBtnUninstall();

        SCOPED_TRACE(c.change);
        std::set<std::string> expected = before;
        expected.insert(changed.begin(), changed.end());
        EXPECT_EQ(Files(), Without(expected, c.gone));
        ASSERT_EQ(host.messages.size(), 2u);
        EXPECT_EQ(host.messages[1].text, kSuccess);
    }
}

// A pack file that cannot be read may list any puzzle, so no puzzle goes; one that reads as no
// pack, or is gone, lists none, as in the game. What decides is the read's cause, never its text.
TEST_F(PacksweepLogicTest, AnUnreadablePackFileKeepsEveryPuzzleAGarbledOneNone) {
    struct Case {
        const char* what;
        std::function<void(const std::string& path)> make;
        std::optional<FailureCause> readFails;   // the dialog's read of the file fails so
        std::vector<std::string> gone;
        const std::string& message;
    };
    const auto hidden = [this](const std::string&) { WritePack("50.pck", "Hidden", "1"); };
    const Case cases[] = {
        {"garbled", [](const std::string& path) { std::ofstream(path) << "\x01\x02 no pack"; }, std::nullopt,
         kAlphaFiles, kSuccess},
        {"a FIFO", [](const std::string& path) { ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0); }, std::nullopt,
         kAlphaFiles, kSuccess},
        {"a link to nowhere", [](const std::string& path) { fs::create_symlink("nowhere.pck", path); }, std::nullopt,
         kAlphaFiles, kSuccess},
        {"cannot be read", hidden, FailureCause::CannotRead, {"10.pck"}, kSomeErrors},
        {"too large", hidden, FailureCause::TooLarge, kAlphaFiles, kSuccess},
    };
    for (const Case& c : cases) {
        Restart();
        SCOPED_TRACE(c.what);
        const std::string path = program + "50.pck";
        c.make(path);
        if (c.readFails) {
            services.readFile = [path, cause = *c.readFails](const std::string& read, bool swapNibbles) {
                if (read == path)
                    RaiseError("a stand-in read", cause);
                return Util::ReadFileAscii(read, swapNibbles);
            };
        }
        const std::set<std::string> before = Files();
        Dialog();
        host.selection = {"Alpha"};

        Dialog().OnBtnUninstall();

        EXPECT_EQ(Files(), Without(before, c.gone));
        EXPECT_EQ(host.rows, (std::vector<std::string>{"Beta", "Gamma"}));
        ASSERT_EQ(host.messages.size(), 2u);
        EXPECT_EQ(host.messages[1].text, c.message);
    }
}

TEST_F(PacksweepLogicTest, DownloadOpensTheMorePuzzlesPageAndIgnoresFailures) {
    Dialog().OpenDownloadPage();
    EXPECT_EQ(openedUrls, std::vector<std::string>{MakerSite::UrlMorePuzzles()});

    services.openUrl = [](const std::string&) { RaiseError("Util::OpenUrl (10)"); };
    CMainDlg failing(host, program, services);
    EXPECT_NO_THROW(failing.OpenDownloadPage());
    EXPECT_TRUE(host.messages.empty());
}

}   // namespace
