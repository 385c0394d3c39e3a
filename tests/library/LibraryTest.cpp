// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>

#include "foundation/ApplicationException.h"
#include "foundation/NibbleSwap.h"
#include "support/TempFolder.h"
#include "library/HostileLibrary.h"
#include "library/Category.h"
#include "library/Pack.h"
#include "library/Puzzle.h"

namespace {
std::string Swapped(std::string text) {
    NibbleSwapBytes(text);
    return text;
}

std::vector<std::string> CategoryNames() {
    std::vector<std::string> names;
    for (const auto& category : CategoryList())
        names.push_back(category->name);
    return names;
}

std::vector<int32_t> PuzzleIds(const std::vector<Puzzle*>& puzzles) {
    std::vector<int32_t> ids;
    for (const Puzzle* puzzle : puzzles)
        ids.push_back(puzzle->id);
    return ids;
}

std::vector<int32_t> PuzzleIds(const std::vector<std::unique_ptr<Puzzle>>& puzzles) {
    std::vector<int32_t> ids;
    for (const auto& puzzle : puzzles)
        ids.push_back(puzzle->id);
    return ids;
}
}   // namespace

// A program folder in a temporary directory; the three lists are read from it as the game does.
class LibraryTest : public ::testing::Test {
protected:
    void SetUp() override { Puzzle::ClearPuzzleList(); }
    void TearDown() override { Puzzle::ClearPuzzleList(); }

    void AddCategory(const std::string& fileName, const std::string& text) { folder.Write(fileName, Swapped(text)); }
    void AddPack(const std::string& fileName, const std::string& text) { folder.Write(fileName, Swapped(text)); }
    // A puzzle with its ".dat" text (none when empty) and its picture files.
    void AddPuzzle(const std::string& baseName, const std::string& datText,
                   std::initializer_list<const char*> pictures = {".jpg"}) {
        if (!datText.empty())
            folder.Write("Puzzles/" + baseName + ".dat", Swapped(datText));
        for (const char* extension : pictures)
            folder.Write("Puzzles/" + baseName + extension, "picture");
    }

    void Load() {
        skipped.clear();
        const SkipObserver record = [this](const SkippedItem& item) {
            skipped.push_back((item.kind == SkippedItem::Kind::File ? item.fileName : std::to_string(item.puzzleId)) +
                              ": " + item.reason);
        };
        Category::ScanCategories(folder.path, record);
        Pack::ScanPacks(folder.path, record);
        Puzzle::ReadAllPuzzles(folder.path + "Puzzles/", record);
    }

    TempFolder folder;
    std::vector<std::string> skipped;
};

TEST_F(LibraryTest, NameBytesAreStoredNibbleSwapped) {
    EXPECT_EQ(Swapped("Name="), "\xE4\x16\xD6\x56\xD3");
    EXPECT_EQ(Swapped("\xE4\x16\xD6\x56\xD3"), "Name=");
    folder.Write("3.ctg", "\xE4\x16\xD6\x56\xD3\x24\x96\x27\x46\x37");   // "Name=Birds"
    Load();
    EXPECT_EQ(CategoryNames(), std::vector<std::string>{"Birds"});
}

TEST_F(LibraryTest, CategoriesSortByCodeUnitsNotByFileOrCase) {
    AddCategory("3.ctg", "Name=Birds\r\n");
    AddCategory("1.ctg", "Name=animals\r\n");
    AddCategory("2.ctg", "Name=Cars\r\n");
    AddCategory("4.ctg", "Name=Zoo\r\n");
    AddCategory("5.ctg", "Name=apple\r\n");
    Load();
    EXPECT_EQ(CategoryNames(), (std::vector<std::string>{"Birds", "Cars", "Zoo", "animals", "apple"}));
    EXPECT_TRUE(skipped.empty());
}

TEST_F(LibraryTest, NamesAreDisplayTextEndingAtAZeroByte) {
    AddCategory("1.ctg", "Name=Caf\xE9\r\n");        // made on Windows
    AddCategory("2.ctg", "Name=Fj\xC3\xA4ll\r\n");   // UTF-8
    AddCategory("3.ctg", std::string("Name=Cut\0off\r\n", 15));
    Load();
    EXPECT_EQ(CategoryNames(), (std::vector<std::string>{"Caf\xC3\xA9", "Cut", "Fj\xC3\xA4ll"}));
}

TEST_F(LibraryTest, EachFailureSkipsJustWhatItNames) {
    AddCategory("3.ctg", "Name=Birds\r\n");
    AddCategory("news.ctg", "Name=News\r\n");                      // title is no number
    AddCategory("4.ctg", "Title=Nameless\r\n");                    // no "Name"
    std::filesystem::create_directory(folder.path + "5.ctg");      // no file
    ASSERT_EQ(mkfifo((folder.path + "6.ctg").c_str(), 0600), 0);   // must not hang the scan
    AddPack("7.pck", "Name=Seven\r\nPuzzles=12, 5,x,,12,13,14,15,16,17\r\n");
    AddPack("8.pck", "Name=No list\r\n");   // no "Puzzles"
    AddPack("x9.pck", "Name=Bad title\r\nPuzzles=12\r\n");
    AddPuzzle("00000012", "Category=3\r\n");
    AddPuzzle("00000005", "Category= 3\r\n");
    AddPuzzle("00000013", "Category=99\r\n");      // no such category
    AddPuzzle("00000014", "Category=3\r\n", {});   // no picture
    AddPuzzle("00000015", "", {".jpg"});           // no .dat
    AddPuzzle("00000016", "Category=three\r\n");
    AddPuzzle("00000017", "Kategorie=3\r\n");
    Load();

    ASSERT_EQ(CategoryNames(), std::vector<std::string>{"Birds"});
    ASSERT_EQ(PackList().size(), 1u);
    EXPECT_EQ(PackList()[0]->name, "Seven");
    EXPECT_EQ(PackList()[0]->puzzleIds, (std::vector<int32_t>{12, 5, 12, 13, 14, 15, 16, 17}));
    EXPECT_EQ(PuzzleIds(PuzzleList()), (std::vector<int32_t>{12, 5}));
    EXPECT_EQ(PuzzleIds(CategoryList()[0]->puzzles), (std::vector<int32_t>{12, 5}));
    EXPECT_EQ(skipped, (std::vector<std::string>{
                           "4.ctg: UtilProperty::GetProperty (10)",
                           "5.ctg: Util::ReadFileAscii (72)",
                           "6.ctg: Util::ReadFileAscii (72)",
                           "news.ctg: Util::ParseInt (194)",
                           "8.pck: UtilProperty::GetProperty (10)",
                           "x9.pck: Util::ParseInt (194)",
                           "13: Puzzle::ReadPuzzle (74)",
                           "14: Puzzle::ReadPuzzle (65)",
                           "15: Puzzle::ReadPuzzle (66)",
                           "16: Util::ParseInt (194)",
                           "17: UtilProperty::GetProperty (10)",
                       }));
}

// A skip names its failure's cause apart from the location text, which two causes may share.
TEST_F(LibraryTest, EachSkipNamesTheCauseOfItsFailure) {
    AddCategory("1.ctg", "Name=Birds\r\n");
    std::filesystem::create_symlink("gone.ctg", folder.path + "2.ctg");
    std::filesystem::create_directory(folder.path + "3.ctg");
    std::filesystem::resize_file(folder.Write("4.pck", ""), (uintmax_t(16) << 20) + 1);   // over the limit
    AddPack("5.pck", "Name=Five\r\nPuzzles=6,7\r\n");
    AddPuzzle("00000006", "", {".jpg"});
    AddPuzzle("00000007", "Category=one\r\n");
    std::vector<SkippedItem> skips;
    const SkipObserver record = [&](const SkippedItem& item) { skips.push_back(item); };
    Category::ScanCategories(folder.path, record);
    Pack::ScanPacks(folder.path, record);
    Puzzle::ReadAllPuzzles(folder.path + "Puzzles/", record);

    struct Case {
        std::string item;
        const char* reason;
        FailureCause cause;
    };
    const Case cases[] = {
        {"2.ctg", "Util::ReadFileAscii (72)", FailureCause::CannotRead},   // a link to nothing
        {"3.ctg", "Util::ReadFileAscii (72)", FailureCause::NotAPlainFile},
        {"4.pck", "Util::ReadFileAscii (74)", FailureCause::TooLarge},
        {"6", "Puzzle::ReadPuzzle (66)", FailureCause::MissingFile},
        {"7", "Util::ParseInt (194)", FailureCause::ContentUnusable},
    };
    ASSERT_EQ(skips.size(), std::size(cases));
    for (size_t i = 0; i < skips.size(); ++i) {
        const SkippedItem& skip = skips[i];
        EXPECT_EQ(skip.kind == SkippedItem::Kind::File ? skip.fileName : std::to_string(skip.puzzleId), cases[i].item);
        EXPECT_EQ(skip.reason, cases[i].reason) << cases[i].item;
        EXPECT_EQ(int(skip.cause), int(cases[i].cause)) << cases[i].item;
    }
}

TEST_F(LibraryTest, PuzzlesLoadOnceInTheOrderOfTheFirstPackThatListsThem) {
    AddCategory("1.ctg", "Name=Animals\r\n");
    AddCategory("2.ctg", "Name=Boats\r\n");
    AddPack("10.pck", "Name=Ten\r\nPuzzles=3,1\r\n");
    AddPack("2.pck", "Name=Two\r\nPuzzles=2,3,2\r\n");
    AddPack("9.PCK", "Name=Nine\r\nPuzzles=4\r\n");   // the extension matches in any case
    for (const char* name : {"00000001", "00000002", "00000003"})
        AddPuzzle(name, "Category=1\r\n");
    AddPuzzle("00000004", "Category=2\r\n");
    Load();

    std::vector<std::string> packFiles;
    for (const auto& pack : PackList())
        packFiles.push_back(pack->path.substr(folder.path.size()));
    EXPECT_EQ(packFiles, (std::vector<std::string>{"10.pck", "2.pck", "9.PCK"}));
    EXPECT_EQ(PuzzleIds(PuzzleList()), (std::vector<int32_t>{3, 1, 2, 4}));
    EXPECT_EQ(PuzzleIds(Category::FindById(1)->puzzles), (std::vector<int32_t>{3, 1, 2}));
    EXPECT_EQ(PuzzleIds(Category::FindById(2)->puzzles), (std::vector<int32_t>{4}));
}

TEST_F(LibraryTest, PictureIsTheOggWhenPresentAndBaseNamesPadToEightDigits) {
    AddCategory("1.ctg", "Name=All\r\n");
    AddPack("1.pck", "Name=One\r\nPuzzles=5,123456789,42,-5,43,44,45\r\n");
    AddPuzzle("00000005", "Category=1\r\n", {".jpg", ".ogg"});
    AddPuzzle("123456789", "Category=1\r\n");
    AddPuzzle("00000042", "Category=1\r\n", {".ogg"});
    AddPuzzle("000000-5", "Category=1\r\n");
    AddPuzzle("00000043", "Category=1\r\n", {});
    AddPuzzle("0043", "", {".jpg"});   // not the base name of 43
    AddPuzzle("00000044", "Category=1\r\n", {".JPG"});
    std::filesystem::create_directory(folder.path + "Puzzles/00000044.jpg");   // no picture
    AddPuzzle("00000045", "Category=1\r\n");
    ASSERT_EQ(mkfifo((folder.path + "Puzzles/00000045.ogg").c_str(), 0600), 0);   // no picture
    Load();

    EXPECT_EQ(skipped, (std::vector<std::string>{"43: Puzzle::ReadPuzzle (65)"}));
    ASSERT_EQ(PuzzleList().size(), 6u);
    const std::string puzzles = folder.path + "Puzzles/";
    EXPECT_EQ(PuzzleList()[0]->picturePath, puzzles + "00000005.ogg");
    EXPECT_EQ(PuzzleList()[1]->picturePath, puzzles + "123456789.jpg");
    EXPECT_EQ(PuzzleList()[2]->picturePath, puzzles + "00000042.ogg");
    EXPECT_EQ(PuzzleList()[2]->categoryId, 1);
    EXPECT_EQ(PuzzleList()[3]->picturePath, puzzles + "000000-5.jpg");
    EXPECT_EQ(PuzzleList()[4]->picturePath, puzzles + "00000044.JPG");
    EXPECT_EQ(PuzzleList()[5]->picturePath, puzzles + "00000045.jpg");

    struct Case {
        int32_t id;
        const char* baseName;
    };
    for (const Case c : {Case{42, "00000042"}, Case{0, "00000000"}, Case{12345678, "12345678"}, Case{-5, "000000-5"},
                         Case{INT32_MIN, "-2147483648"}})
        EXPECT_EQ(Puzzle::BaseName(c.id), c.baseName);
}

// The library was made where names ignore case: "00000011.JPG" is a picture. Where a folder
// holds several spellings the small letters win, then the first by bytes, whichever the folder
// lists first; a single lookup without the listing chooses the same.
TEST_F(LibraryTest, PuzzleFilesAreFoundWhateverTheCaseOfTheirExtension) {
    AddCategory("1.ctg", "Name=All\r\n");
    AddPack("1.pck", "Name=One\r\nPuzzles=11,12,13,14,15,16\r\n");
    struct Case {
        const char* baseName;
        std::vector<const char*> files;
        const char* picture;
    };
    const Case cases[] = {
        {"00000011", {".JPG", ".dat"}, "00000011.JPG"},
        {"00000012", {".jpg", ".Ogg", ".DaT"}, "00000012.Ogg"},
        {"00000013", {".jpg", ".DAT"}, "00000013.jpg"},
        {"00000014", {".JPG", ".jpg", ".Jpg", ".dat"}, "00000014.jpg"},
        {"00000015", {".jPG", ".Jpg", ".JPg", ".dat"}, "00000015.JPg"},
        {"00000016", {".jpeg", ".JPG.dat", ".dat"}, nullptr},   // no spelling of ".jpg"
    };
    for (const Case& c : cases)
        for (const char* extension : c.files)
            folder.Write(std::string("Puzzles/") + c.baseName + extension, Swapped("Category=1\r\n"));
    Load();

    const std::string puzzles = folder.path + "Puzzles/";
    std::vector<std::string> scanned, single;
    for (const auto& puzzle : PuzzleList())
        scanned.push_back(puzzle->picturePath);
    Puzzle::ClearPuzzleList();
    for (const Case& c : cases) {
        if (!c.picture) {
            EXPECT_THROW(Puzzle::ReadPuzzle(puzzles, std::stoi(c.baseName)), ApplicationException);
            continue;
        }
        Puzzle::ReadPuzzle(puzzles, std::stoi(c.baseName));
        single.push_back(PuzzleList().back()->picturePath);
        EXPECT_EQ(single.back(), puzzles + c.picture);
    }
    EXPECT_EQ(scanned, single);
    EXPECT_EQ(skipped, std::vector<std::string>{"16: Puzzle::ReadPuzzle (65)"});
}

// Each hostile file costs no more than a look at its size or its name; a puzzle that failed is
// reported once, however often and by however many packs it is listed.
TEST_F(LibraryTest, HostileFilesAreSkippedWithoutBeingReadAndEachFailedPuzzleOnce) {
    HostileLibrary::Write(folder.path);
    Load();

    EXPECT_EQ(CategoryNames(), std::vector<std::string>{"Hostile"});
    std::vector<std::string> packs;
    for (const auto& pack : PackList())
        packs.push_back(pack->name);
    EXPECT_EQ(packs, (std::vector<std::string>{"Missing", "Overflow", "Repeated", "Pictures"}));
    EXPECT_EQ(PackList()[1]->puzzleIds, (std::vector<int32_t>{1215752191, 1, 2147483647}));
    EXPECT_EQ(PackList()[2]->puzzleIds.size(), size_t(HostileLibrary::kRepeats));
    EXPECT_EQ(PuzzleIds(PuzzleList()), (std::vector<int32_t>{1, 2, 3, 6}));
    EXPECT_EQ(PuzzleList().back()->picturePath, folder.path + "Puzzles/00000006.JPG");

    ASSERT_EQ(skipped.size(), size_t(4 + HostileLibrary::kMissingIds + 5));
    const std::vector<std::string> files(skipped.begin(), skipped.begin() + 4);
    EXPECT_EQ(files, (std::vector<std::string>{"2.ctg: Util::ReadFileAscii (74)", "3.ctg: Util::ReadFileAscii (72)",
                                               "4.pck: Util::ReadFileAscii (72)", "9.pck: Util::ReadFileAscii (74)"}));
    EXPECT_EQ(skipped[4], "1000: Puzzle::ReadPuzzle (65)");
    const std::vector<std::string> rest(skipped.end() - 5, skipped.end());
    EXPECT_EQ(rest, (std::vector<std::string>{"1215752191: Puzzle::ReadPuzzle (65)",
                                              "2147483647: Puzzle::ReadPuzzle (65)", "9: Puzzle::ReadPuzzle (65)",
                                              "4: Util::ReadFileAscii (74)", "5: Puzzle::ReadPuzzle (65)"}));
}

TEST_F(LibraryTest, AFailedPuzzleIsTriedAgainButALoadedOneIsNot) {
    AddCategory("1.ctg", "Name=All\r\n");
    Load();
    const std::string puzzles = folder.path + "Puzzles/";
    AddPuzzle("00000009", "", {".jpg"});
    EXPECT_THROW(Puzzle::ReadPuzzle(puzzles, 9), ApplicationException);
    AddPuzzle("00000009", "Category=1\r\n");
    Puzzle::ReadPuzzle(puzzles, 9);
    Puzzle::ReadPuzzle(puzzles, 9);
    EXPECT_EQ(PuzzleIds(PuzzleList()), std::vector<int32_t>{9});
    EXPECT_EQ(PuzzleIds(CategoryList()[0]->puzzles), std::vector<int32_t>{9});
}

TEST_F(LibraryTest, FindByIdTakesTheFirstInSortedOrderAndScansStartAfresh) {
    AddCategory("1.ctg", "Name=Zebra\r\n");
    AddCategory("01.ctg", "Name=Ant\r\n");   // the same id from another file
    AddPack("1.pck", "Name=One\r\nPuzzles=1\r\n");
    Load();
    ASSERT_NE(Category::FindById(1), nullptr);
    EXPECT_EQ(Category::FindById(1)->name, "Ant");
    EXPECT_EQ(Category::FindById(2), nullptr);

    std::filesystem::remove(folder.path + "01.ctg");
    std::filesystem::remove(folder.path + "1.pck");
    Load();
    EXPECT_EQ(CategoryNames(), std::vector<std::string>{"Zebra"});
    EXPECT_TRUE(PackList().empty());
}

TEST_F(LibraryTest, AnEmptyOrMissingFolderGivesEmptyLists) {
    Load();
    EXPECT_TRUE(CategoryList().empty());
    EXPECT_TRUE(PackList().empty());
    EXPECT_TRUE(PuzzleList().empty());
    Category::ScanCategories(folder.path + "missing/");
    Pack::ScanPacks(folder.path + "missing/");
    EXPECT_TRUE(CategoryList().empty());
    EXPECT_TRUE(PackList().empty());
}
